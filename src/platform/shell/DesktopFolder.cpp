#include "platform/shell/DesktopFolder.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

constexpr std::string_view kKey = "XDG_DESKTOP_DIR=";
constexpr std::string_view kHome = "$HOME";

std::string Variable(char const* name) {
  char const* value = std::getenv(name);
  return value ? value : "";
}

// The quoted value's text, escapes undone; false when it is not closed.
bool Unquote(std::string_view value, std::string& text) {
  if (value.size() < 2 || value.front() != '"') return false;
  for (size_t i = 1; i < value.size(); ++i) {
    if (value[i] == '"') return true;
    if (value[i] == '\\' && ++i == value.size()) return false;
    text += value[i];
  }
  return false;
}

}  // namespace

std::string DesktopFolder::FromUserDirs(std::string_view text, std::string const& home) {
  std::string found;
  std::istringstream lines{std::string(text)};
  for (std::string line; std::getline(lines, line);) {
    size_t const start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line.compare(start, kKey.size(), kKey) != 0) continue;
    std::string path;
    if (!Unquote(std::string_view(line).substr(start + kKey.size()), path)) continue;
    if (path.starts_with(kHome) && (path.size() == kHome.size() || path[kHome.size()] == '/')) {
      if (home.empty()) continue;
      path = home + path.substr(kHome.size());
    } else if (!path.starts_with('/')) {
      continue;
    }
    // The last valid line wins, as when the shell reads the file.
    found = path;
  }
  while (found.size() > 1 && found.ends_with('/')) found.pop_back();
  return found;
}

std::string DesktopFolder::Locate() {
  std::string const home = Variable("HOME");
  std::string configHome = Variable("XDG_CONFIG_HOME");
  if (configHome.empty() && !home.empty()) configHome = home + "/.config";
  if (!configHome.empty()) {
    std::ifstream file(configHome + "/user-dirs.dirs");
    std::stringstream text;
    text << file.rdbuf();
    if (std::string const named = FromUserDirs(text.str(), home); !named.empty()) return named;
  }
  return home.empty() ? std::string() : home + "/Desktop";
}
