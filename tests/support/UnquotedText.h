// The text that DumpText (KeyDump.h) wrote as `quoted`, for case files whose inputs hold blanks
// at their ends, control bytes or NULs. A malformed form fails the test.
#pragma once

#include <gtest/gtest.h>

#include <string>

inline std::string UnquotedText(std::string const& quoted) {
  std::string text;
  bool const framed = quoted.size() >= 2 && quoted.front() == '"' && quoted.back() == '"';
  EXPECT_TRUE(framed) << quoted;
  for (size_t at = 1; framed && at + 1 < quoted.size(); ++at) {
    if (quoted[at] != '\\') text += quoted[at];
    else if (quoted[at + 1] == 'x') text += static_cast<char>(std::stoi(quoted.substr(at + 2, 2), nullptr, 16)), at += 3;
    else text += quoted[++at];
  }
  return text;
}
