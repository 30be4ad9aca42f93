// An argument string as hosts pass it to a program they start ("/S \"Lab\\core 1\""), split
// into the argument vector the program receives: blanks separate words outside double quotes,
// quotes group and are dropped, a backslash before a quote stands for the quote itself, any
// other backslash is kept (session paths are full of them). Nothing is ever interpreted.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class ArgumentString {
 public:
  static std::vector<std::string> Split(std::string_view text);
};
