// The loader on Linux: dlopen with immediate binding, dlsym, dladdr, stat and /proc/self/exe.
#pragma once

#include "platform/dynlib/DynamicLibrary.h"

class PosixDynamicLibrary : public DynamicLibrary {
 public:
  HMODULE Load(std::string const& path, std::string& error) override;
  void* FindEntryPoint(HMODULE module, char const* name) override;
  bool FileExists(std::string const& path) override;
  bool ModificationTime(std::string const& path, int64_t& time) override;
  std::string ExecutablePath() override;
  std::string ModulePathOf(void const* address) override;
};
