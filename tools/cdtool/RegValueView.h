// How `cdtool reg` shows a value: as a JSON object {"name","type","data"} and as plain text.
// Data by kind: REG_SZ and REG_EXPAND_SZ a string, REG_DWORD a number, REG_MULTI_SZ an array of
// strings, everything else (REG_BINARY, REG_QWORD, REG_NONE, odd-sized dwords...) lowercase hex.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

#include "platform/registry/RegFileOperation.h"

class RegValueView {
 public:
  static nlohmann::ordered_json ToJson(RegFileOperation const& value);
  // The data of a ToJson object as one line of text (list items are quoted and space-separated).
  static std::string PlainData(nlohmann::ordered_json const& value);
  // The data with list items on lines of their own, for `get`.
  static std::string PlainDataLines(nlohmann::ordered_json const& value);
  // One line of `ls` and `tree`: name, type and data; the default value is "(default)".
  static std::string PlainLine(nlohmann::ordered_json const& value);
  static std::string TypeName(unsigned long type);
  static std::string Hex(std::string_view bytes);
};
