// An isolated world for one test: a fresh temporary folder as BRIMVALE_ROOT, hives reloaded on
// entry and exit, the folder removed afterwards.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "platform/registry/Registry.h"

class ScopedRoot {
 public:
  ScopedRoot() {
    std::string pattern = (std::filesystem::temp_directory_path() / "brimvale-test-XXXXXX").string();
    m_path = mkdtemp(pattern.data());
    setenv("BRIMVALE_ROOT", m_path.c_str(), 1);
    RegUnloadHives();
  }
  ~ScopedRoot() {
    RegUnloadHives();
    unsetenv("BRIMVALE_ROOT");
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  ScopedRoot(ScopedRoot const&) = delete;
  ScopedRoot& operator=(ScopedRoot const&) = delete;

  std::string const& Path() const { return m_path; }
  std::string File(std::string const& name) const { return m_path + "/" + name; }

 private:
  std::string m_path;
};
