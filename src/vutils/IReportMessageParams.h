// A message report: a 32-bit message code, the module whose message table holds its text,
// and numbered inserts. Reference-counted.
#pragma once

class IReportMessageParams {
 public:
  virtual unsigned long AddRef() = 0;
  virtual unsigned long Release() = 0;
  virtual void Reset(unsigned long code) = 0;
  virtual void Assign(IReportMessageParams const* other) = 0;
  virtual unsigned long GetCode() const = 0;
  virtual void SetCode(unsigned long code) = 0;
  virtual int GetKind() const = 0;
  virtual void SetKind(int kind) = 0;
  virtual void AddWideString(wchar_t const* text) = 0;
  virtual void AddString(char const* text) = 0;
  virtual void AddNumber(unsigned long number) = 0;
  virtual void* GetModule() const = 0;
  virtual char const* GetText() = 0;
  virtual char const* GetTextSingleLine() = 0;
  virtual int GetTextLength() const = 0;
  virtual unsigned long* GetInserts() = 0;
  virtual unsigned long const* GetInserts() const = 0;
  virtual int GetInsertCount() const = 0;
  virtual ~IReportMessageParams() = default;
};
