// An isolated world for one test: a fresh temporary folder as BRIMVALE_ROOT, hives reloaded on
// entry and exit, the folder removed afterwards.
#pragma once

#include <stdlib.h>

#include <string>

#include "platform/registry/Registry.h"
#include "support/TempFolder.h"

class ScopedRoot {
 public:
  ScopedRoot() {
    setenv("BRIMVALE_ROOT", m_folder.Path().c_str(), 1);
    RegUnloadHives();
  }
  ~ScopedRoot() {
    RegUnloadHives();
    unsetenv("BRIMVALE_ROOT");
  }
  ScopedRoot(ScopedRoot const&) = delete;
  ScopedRoot& operator=(ScopedRoot const&) = delete;

  std::string const& Path() const { return m_folder.Path(); }
  std::string File(std::string const& name) const { return m_folder / name; }

 private:
  TempFolder m_folder;
};
