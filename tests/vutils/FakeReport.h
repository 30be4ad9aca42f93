// A report that only keeps its code, for the values that read or reset it.
#pragma once

#include "IReportMessageParams.h"

class FakeReport : public IReportMessageParams {
 public:
  unsigned long AddRef() override { return 1; }
  unsigned long Release() override { return 1; }
  void Reset(unsigned long code) override {
    m_code = code;
    ++m_resets;
  }
  void Assign(IReportMessageParams const* other) override { m_code = other->GetCode(); }
  unsigned long GetCode() const override { return m_code; }
  void SetCode(unsigned long code) override { m_code = code; }
  int GetKind() const override { return 0; }
  void SetKind(int) override {}
  void AddWideString(wchar_t const*) override {}
  void AddString(char const*) override {}
  void AddNumber(unsigned long) override {}
  void* GetModule() const override { return nullptr; }
  char const* GetText() override { return ""; }
  char const* GetTextSingleLine() override { return ""; }
  int GetTextLength() const override { return 0; }
  unsigned long* GetInserts() override { return nullptr; }
  unsigned long const* GetInserts() const override { return nullptr; }
  int GetInsertCount() const override { return 0; }

  int Resets() const { return m_resets; }

 private:
  unsigned long m_code = 0;
  int m_resets = 0;
};
