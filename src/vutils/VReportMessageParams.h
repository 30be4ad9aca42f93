// The library's message report. Inserts live in pointer-wide slots (unsigned long is 64 bits
// here): a number, or the address of a string the report owns. Copies are deep.
#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "IReportMessageParams.h"
#include "platform/msgtable/MessageModule.h"

class VReportMessageParams : public IReportMessageParams {
 public:
  // Code 0 with the library as source module.
  VReportMessageParams();
  // `module` may be null: then only the system and executable tables are searched.
  VReportMessageParams(unsigned long code, MessageModule const* module);
  VReportMessageParams(VReportMessageParams const& other);
  VReportMessageParams& operator=(VReportMessageParams const& other);
  ~VReportMessageParams() override;

  unsigned long AddRef() override;
  unsigned long Release() override;
  void Reset(unsigned long code) override;
  void Assign(IReportMessageParams const* other) override;
  unsigned long GetCode() const override { return m_code; }
  // Replaces the code and forgets a text made for the old one; the inserts stay.
  void SetCode(unsigned long code) override;
  int GetKind() const override { return m_kind; }
  void SetKind(int kind) override { m_kind = kind; }
  // Converts the wide text (UTF-32 here; UTF-16 surrogate pairs are joined) to UTF-8; null adds "".
  void AddWideString(wchar_t const* text) override;
  // Adds a copy of `text`; null adds "".
  void AddString(char const* text) override;
  void AddNumber(unsigned long number) override;
  void* GetModule() const override;
  // Both forms share one kept text: whichever is asked first decides it.
  char const* GetText() override { return Produce(false); }
  char const* GetTextSingleLine() override { return Produce(true); }
  int GetTextLength() const override { return static_cast<int>(m_text.size()); }
  unsigned long* GetInserts() override { return m_slots.get(); }
  unsigned long const* GetInserts() const override { return m_slots.get(); }
  int GetInsertCount() const override { return m_count; }
  // Whether insert `index` (from 0) is a string.
  bool IsStringInsert(int index) const;

 private:
  void AddInsert(unsigned long slot, unsigned char kind);
  void CopyFrom(VReportMessageParams const& other);
  void FreeInserts();
  char const* Produce(bool singleLine);

  std::atomic<unsigned long> m_refs{1};
  unsigned long m_code = 0;
  int m_kind = -1;
  MessageModule const* m_module = nullptr;
  std::unique_ptr<unsigned long[]> m_slots;
  std::unique_ptr<unsigned char[]> m_kinds;
  int m_count = 0;
  int m_capacity = 0;
  std::string m_text;
  bool m_hasText = false;
};
