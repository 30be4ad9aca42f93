#include "platform/shell/ProgramPath.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

std::string FindProgramInPath(std::string const& name) {
  char const* path = std::getenv("PATH");
  if (name.empty() || name.find('/') != std::string::npos || !path) return {};
  std::string_view folders(path);
  while (!folders.empty()) {
    size_t const colon = folders.find(':');
    std::string_view const folder = folders.substr(0, colon);
    folders = colon == std::string_view::npos ? std::string_view() : folders.substr(colon + 1);
    if (folder.empty()) continue;
    std::string const candidate = std::string(folder) + "/" + name;
    struct stat info {};
    if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(candidate.c_str(), X_OK) == 0)
      return candidate;
  }
  return {};
}
