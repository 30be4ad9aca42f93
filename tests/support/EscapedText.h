// Reads back text that DumpText (KeyDump.h) escaped, so a case file can give any bytes as input:
// the quotes around it dropped, \\ and \" as the character, \xHH as the byte.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

inline std::string Unescaped(std::string_view dumped) {
  EXPECT_TRUE(dumped.size() >= 2 && dumped.front() == '"' && dumped.back() == '"') << dumped;
  std::string text;
  for (size_t at = 1; at + 1 < dumped.size(); ++at) {
    if (dumped[at] != '\\') {
      text += dumped[at];
    } else if (dumped[++at] != 'x') {
      text += dumped[at];
    } else {
      text += static_cast<char>(std::stoi(std::string(dumped.substr(at + 1, 2)), nullptr, 16));
      at += 2;
    }
  }
  return text;
}
