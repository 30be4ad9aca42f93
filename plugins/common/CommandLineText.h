// How arguments are written on a host's command line and split back: blanks separate them; an
// argument that is empty or holds a blank, a tab or a double quote is written in double quotes.
// Inside, a double quote is written \" and backslashes are doubled only where they precede a
// double quote, so Linux paths and Windows-style paths read as typed.
#pragma once

#include <string>
#include <string_view>

#include "platform/types/CStringList.h"

class CommandLineText {
 public:
  static std::string Quote(std::string_view argument);
  // Appends the arguments of `text` to `arguments`; an unclosed quote runs to the end.
  static void Split(std::string_view text, CStringList& arguments);
};
