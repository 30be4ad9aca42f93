// The library's own IString: keeps what it is given in a wiping VString.
#pragma once

#include "IString.h"
#include "VString.h"

class VStringReceiver : public IString {
 public:
  VStringReceiver() { m_text.SetSensitive(); }

  char const* GetString() const override { return m_text.c_str(); }
  int GetLength() const override { return m_text.GetLength(); }
  void Assign(char const* text, int length, int reserved) override;

  VString const& Text() const { return m_text; }

 private:
  VString m_text;
};
