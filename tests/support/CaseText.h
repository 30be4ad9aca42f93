// Texts of any bytes on one line of a case file. An input is written "quoted": the bytes between
// the line's first and last quote, where \xHH stands for one byte and any other character for
// itself; a "*N" after the closing quote repeats the text N times. An answer shows control bytes
// as \xHH and everything else as it is.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "support/Hex.h"

inline std::string CaseText(std::string_view line) {
  size_t const open = line.find('"'), close = line.rfind('"');
  if (open == std::string_view::npos || close == open) {
    ADD_FAILURE() << "no quoted text in: " << line;
    return {};
  }
  std::string_view const quoted = line.substr(open + 1, close - open - 1);
  std::string text;
  for (size_t at = 0; at < quoted.size(); ++at) {
    if (quoted.compare(at, 2, "\\x") == 0 && at + 4 <= quoted.size()) {
      text += static_cast<char>(std::stoi(std::string(quoted.substr(at + 2, 2)), nullptr, 16));
      at += 3;
    } else {
      text += quoted[at];
    }
  }
  std::string_view const repeat = line.substr(close + 1);
  if (!repeat.starts_with('*')) return text;
  std::string repeated;
  for (int n = std::stoi(std::string(repeat.substr(1))); n > 0; --n) repeated += text;
  return repeated;
}

inline std::string ShownText(std::string_view text) {
  std::string shown;
  for (char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) shown += "\\x" + Hex(std::string(1, c));
    else shown += c;
  }
  return shown;
}
