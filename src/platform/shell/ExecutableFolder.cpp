#include "platform/shell/ExecutableFolder.h"

#include <filesystem>
#include <system_error>

std::string ExecutablePath() {
  std::error_code error;
  std::filesystem::path const executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : executable.string();
}

std::string ExecutableFolder() {
  std::string const executable = ExecutablePath();
  return executable.empty() ? std::string() : std::filesystem::path(executable).parent_path().string();
}
