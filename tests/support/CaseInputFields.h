// A case file's input line (CaseFile.h) cut into its fields at each `separator`.
#pragma once

#include <string>
#include <vector>

inline std::vector<std::string> CaseInputFields(std::string const& input, std::string const& separator) {
  std::vector<std::string> fields;
  for (size_t at = 0;;) {
    size_t const end = input.find(separator, at);
    fields.push_back(input.substr(at, end == std::string::npos ? std::string::npos : end - at));
    if (end == std::string::npos) return fields;
    at = end + separator.size();
  }
}
