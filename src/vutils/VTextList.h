// The text form of text lists and multi-line texts: a JSON array of strings, which a command
// line can type in single quotes and which holds empty elements and any byte but zero:
//   []   ["one"]   ["", "two", ""]   ["tab\there", "quote \" and backslash \\"]
// Parse takes JSON's escapes (\" \\ \/ \b \f \n \r \t \uXXXX, surrogate pairs as UTF-8) and
// blanks between the parts; bytes from 0x80 up pass through as they are. Format writes no
// blanks, escapes only " \ and control characters (\n \r \t, else \u00XX), so any list
// formats and parses back to itself.
#pragma once

#include <string_view>

#include "VString.h"
#include "VStringArray.h"

class VTextList {
 public:
  static VString Format(VStringArray const& list);
  // False, with `list` untouched, for anything else, a zero byte (\u0000) or a lone surrogate.
  static bool Parse(std::string_view text, VStringArray& list);
};
