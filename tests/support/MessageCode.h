// A report's message code as the message table spells it: "0x" and eight upper-case hex digits.
#pragma once

#include <cstdio>
#include <string>

inline std::string MessageCode(unsigned long code) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", code);
  return text;
}
