// A message report: a 32-bit message code, the module whose table holds its text, and numbered
// inserts (numbers and strings). The text is produced on first request and then kept.
// The reference count is atomic; everything else belongs to one thread at a time.
#pragma once

class IReportMessageParams {
 public:
  virtual unsigned long AddRef() = 0;
  virtual unsigned long Release() = 0;
  // Becomes a fresh report with this code, the library as source module and no inserts.
  virtual void Reset(unsigned long code) = 0;
  // Copies code, source module and inserts from another report of the same implementation.
  virtual void Assign(IReportMessageParams const* other) = 0;
  virtual unsigned long GetCode() const = 0;
  virtual void SetCode(unsigned long code) = 0;
  // The report kind a router reads; -1 when none was set.
  virtual int GetKind() const = 0;
  virtual void SetKind(int kind) = 0;
  virtual void AddWideString(wchar_t const* text) = 0;
  virtual void AddString(char const* text) = 0;
  virtual void AddNumber(unsigned long number) = 0;
  virtual void* GetModule() const = 0;
  // The formatted text; never empty.
  virtual char const* GetText() = 0;
  // The formatted text on one line: the message's own line breaks become spaces.
  virtual char const* GetTextSingleLine() = 0;
  // The length of the text produced so far; 0 before any.
  virtual int GetTextLength() const = 0;
  // The insert slots: a number, or a string's address for the inserts of string kind.
  virtual unsigned long* GetInserts() = 0;
  virtual unsigned long const* GetInserts() const = 0;
  virtual int GetInsertCount() const = 0;
  virtual ~IReportMessageParams() = default;
};
