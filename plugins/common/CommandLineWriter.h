// Builds the arguments that describe a connection: each quoted as needed (CommandLineText),
// joined by single blanks.
#pragma once

#include <string>
#include <string_view>

#include "platform/types/CString.h"

class CommandLineWriter {
 public:
  void Add(std::string_view argument);
  // "/NAME value".
  void AddOption(char const* name, std::string_view value);
  CString Text() const { return CString(m_text); }

 private:
  std::string m_text;
};
