#include "exchange/KeyValueLines.h"

namespace {

std::string Trimmed(std::string const& text) {
  size_t const first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

KeyValueLines::KeyValueLines(std::vector<std::string> const& lines, std::string const& section) {
  bool inSection = section.empty();
  for (std::string const& line : lines) {
    std::string const trimmed = Trimmed(line);
    if (trimmed.starts_with("[") && trimmed.ends_with("]")) {
      inSection = !section.empty() && trimmed.substr(1, trimmed.size() - 2) == section;
      continue;
    }
    size_t const equals = line.find('=');
    if (!inSection || equals == std::string::npos || trimmed.starts_with("#") || trimmed.starts_with(";")) continue;
    std::string key = Trimmed(line.substr(0, equals));
    if (!key.empty()) m_values.emplace(std::move(key), line.substr(equals + 1));
  }
}

std::string KeyValueLines::Get(std::string const& key) const {
  auto const found = m_values.find(key);
  return found == m_values.end() ? std::string() : found->second;
}
