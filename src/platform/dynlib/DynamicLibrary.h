// Loading modules at run time: open a library file, find an entry point by name, and the file
// facts a loader needs (existence, modification time, the running executable). Loaded modules
// stay loaded for the life of the process. Called from the host's user-interface thread.
#pragma once

#include <cstdint>
#include <string>

#include "platform/types/WinTypes.h"

class DynamicLibrary {
 public:
  virtual ~DynamicLibrary() = default;

  // The loaded module, or null when the file cannot be loaded (`error` then says why).
  virtual HMODULE Load(std::string const& path, std::string& error) = 0;
  // The exported symbol `name`, or null.
  virtual void* FindEntryPoint(HMODULE module, char const* name) = 0;
  virtual bool FileExists(std::string const& path) = 0;
  // Nanoseconds since the epoch; false when the file's time cannot be read.
  virtual bool ModificationTime(std::string const& path, int64_t& time) = 0;
  // The full path of the running executable; empty when unknown.
  virtual std::string ExecutablePath() = 0;
  // The full path of the loaded module (library or executable) that holds `address`; empty when unknown.
  virtual std::string ModulePathOf(void const* address) = 0;
};

// The process's loader.
DynamicLibrary& GetDynamicLibrary();
