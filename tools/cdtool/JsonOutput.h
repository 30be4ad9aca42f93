// The one way cdtool writes JSON, and the plain "field: value" lines the tool prints for a JSON
// object when --json is not given. Never throws: bytes that are not UTF-8 come out as U+FFFD.
#pragma once

#include <nlohmann/json.hpp>

#include <string>

class JsonOutput {
 public:
  // `indent` as nlohmann's (-1: one line).
  static std::string Dump(nlohmann::ordered_json const& document, int indent = -1);
  // The document and a line feed on stdout: 0, or 1 when stdout cannot be written.
  static int Print(nlohmann::ordered_json const& document, int indent = -1);
  // A string as it is, anything else as its JSON text.
  static std::string Plain(nlohmann::ordered_json const& value);
  // "field: value" per member of `object`, leaving out an "ok" member.
  static std::string FieldLines(nlohmann::ordered_json const& object);
};
