#include "platform/filetypes/XdgLocations.h"

#include <cstdlib>
#include <sstream>

namespace {

std::string Variable(char const* name) {
  char const* value = std::getenv(name);
  return value ? value : "";
}

// A colon-separated list; relative entries are invalid by the XDG rules and skipped.
std::vector<std::string> FolderList(std::string const& text, std::string const& fallback) {
  std::vector<std::string> folders;
  std::istringstream in(text.empty() ? fallback : text);
  for (std::string folder; std::getline(in, folder, ':');)
    if (!folder.empty() && folder.front() == '/') folders.push_back(folder);
  return folders;
}

std::string HomeFolder(char const* variable, char const* underHome) {
  std::string const value = Variable(variable);
  if (!value.empty() && value.front() == '/') return value;
  return Variable("HOME") + underHome;
}

}  // namespace

std::vector<std::string> XdgLocations::DataFolders() const {
  std::vector<std::string> folders{dataHome};
  folders.insert(folders.end(), dataDirs.begin(), dataDirs.end());
  return folders;
}

std::vector<std::string> XdgLocations::ConfigFolders() const {
  std::vector<std::string> folders{configHome};
  folders.insert(folders.end(), configDirs.begin(), configDirs.end());
  return folders;
}

XdgLocations XdgLocations::FromEnvironment() {
  if (std::string const root = Variable("BRIMVALE_FILETYPES_ROOT"); !root.empty()) return UnderRoot(root);
  return {HomeFolder("XDG_CONFIG_HOME", "/.config"), FolderList(Variable("XDG_CONFIG_DIRS"), "/etc/xdg"),
          HomeFolder("XDG_DATA_HOME", "/.local/share"),
          FolderList(Variable("XDG_DATA_DIRS"), "/usr/local/share:/usr/share")};
}

XdgLocations XdgLocations::UnderRoot(std::string const& root) {
  return {root + "/home/.config", {root + "/etc/xdg"}, root + "/home/.local/share",
          {root + "/usr/local/share", root + "/usr/share"}};
}
