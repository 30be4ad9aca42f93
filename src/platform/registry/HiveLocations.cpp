#include "platform/registry/HiveLocations.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

namespace {

std::string Environment(char const* name) {
  char const* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

std::string UserConfigFolder() {
  std::string const root = Environment("BRIMVALE_ROOT");
  if (!root.empty()) return root + "/user";
  std::string const xdg = Environment("XDG_CONFIG_HOME");
  if (!xdg.empty() && xdg[0] == '/') return xdg + "/Brimvale";
  return Environment("HOME") + "/.config/Brimvale";
}

std::string MachineConfigFolder() {
  std::string const root = Environment("BRIMVALE_ROOT");
  if (!root.empty()) return root + "/machine";
  return "/etc/xdg/Brimvale";
}

std::string PredefinedHivePath(HKEY root) {
  if (root == HKEY_CURRENT_USER) return UserConfigFolder() + "/registry.db";
  if (root == HKEY_LOCAL_MACHINE) return MachineConfigFolder() + "/registry.db";
  if (root == HKEY_CLASSES_ROOT) return MachineConfigFolder() + "/classes.db";
  return "";
}

bool CreateFolders(std::string const& folder, unsigned mode) {
  if (folder.empty()) return false;
  struct stat info {};
  if (stat(folder.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
  size_t const slash = folder.find_last_of('/');
  if (slash != std::string::npos && slash > 0 && !CreateFolders(folder.substr(0, slash), mode)) return false;
  return mkdir(folder.c_str(), mode) == 0 || errno == EEXIST;
}
