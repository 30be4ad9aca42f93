// Bytes as two hexadecimal digits each, lower case unless asked otherwise.
#pragma once

#include <string>
#include <string_view>

inline std::string Hex(std::string_view bytes, bool upper = false) {
  char const* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  std::string hex;
  for (unsigned char c : bytes) hex += {digits[c >> 4], digits[c & 15]};
  return hex;
}
