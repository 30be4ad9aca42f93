#include "platform/files/FolderCheck.h"

#include <sys/stat.h>
#include <unistd.h>

FolderState CheckFolder(std::string const& path) {
  struct stat info {};
  if (path.empty() || path.front() != '/' || stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
    return FolderState::NotValid;
  return access(path.c_str(), R_OK | W_OK | X_OK) == 0 ? FolderState::Usable : FolderState::AccessDenied;
}
