#include "platform/filetypes/DesktopKeyFile.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace {

std::string_view Trimmed(std::string_view text) {
  size_t const first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

DesktopKeyFile::DesktopKeyFile(std::string_view text) {
  std::map<std::string, std::string>* group = nullptr;
  std::istringstream in{std::string(text)};
  for (std::string raw; std::getline(in, raw);) {
    std::string_view const line = Trimmed(raw);
    if (line.empty() || line.front() == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      group = &m_groups[std::string(line.substr(1, line.size() - 2))];
      continue;
    }
    size_t const equals = line.find('=');
    // Lines before the first group and lines without "=" carry nothing a reader may use.
    if (!group || equals == std::string_view::npos) continue;
    group->try_emplace(std::string(Trimmed(line.substr(0, equals))), std::string(Trimmed(line.substr(equals + 1))));
  }
}

DesktopKeyFile DesktopKeyFile::Load(std::string const& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::string const text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return DesktopKeyFile(text);
}

std::string DesktopKeyFile::Value(std::string const& group, std::string const& key) const {
  auto const found = m_groups.find(group);
  if (found == m_groups.end()) return {};
  auto const value = found->second.find(key);
  return value == found->second.end() ? std::string() : value->second;
}
