#include "platform/dynlib/PosixDynamicLibrary.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

HMODULE PosixDynamicLibrary::Load(std::string const& path, std::string& error) {
  // Local binding keeps one plug-in's symbols from answering another's lookups.
  void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!module) {
    char const* reason = dlerror();
    error = reason ? reason : "unknown error";
  }
  return static_cast<HMODULE>(module);
}

void* PosixDynamicLibrary::FindEntryPoint(HMODULE module, char const* name) {
  return module ? dlsym(module, name) : nullptr;
}

bool PosixDynamicLibrary::FileExists(std::string const& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool PosixDynamicLibrary::ModificationTime(std::string const& path, int64_t& time) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return false;
  time = static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
  return true;
}

std::string PosixDynamicLibrary::ExecutablePath() {
  std::vector<char> buffer(4096);
  ssize_t const length = readlink("/proc/self/exe", buffer.data(), buffer.size());
  if (length <= 0 || static_cast<size_t>(length) >= buffer.size()) return {};
  return std::string(buffer.data(), static_cast<size_t>(length));
}

std::string PosixDynamicLibrary::ModulePathOf(void const* address) {
  Dl_info info{};
  if (dladdr(address, &info) == 0 || !info.dli_fname) return {};
  return info.dli_fname;
}
