// A registry key a test holds until the end of its scope, made, opened or taken in one line, and
// the answers of opening or making a key that the test does not keep.
#pragma once

#include <string>
#include <utility>

#include "platform/registry/Registry.h"
#include "support/RegistryCalls.h"

class HeldKey {
 public:
  explicit HeldKey(HKEY key = nullptr) : m_key(key) {}
  // The key at `path` below `parent`, made when missing.
  HeldKey(HKEY parent, std::string const& path) : m_key(CreateKey(parent, path)) {}
  ~HeldKey() { *this = nullptr; }
  HeldKey(HeldKey const&) = delete;
  HeldKey& operator=(HeldKey const&) = delete;
  HeldKey& operator=(HKEY key) {
    if (m_key) RegCloseKey(m_key);
    m_key = key;
    return *this;
  }
  operator HKEY() const { return m_key; }  // NOLINT: stands wherever a key is passed
  // Hands the key to a call that closes it.
  HKEY Release() { return std::exchange(m_key, nullptr); }

  static HeldKey Opened(HKEY parent, std::string const& path, REGSAM access = KEY_READ) {
    HKEY key = nullptr;
    RegOpenKeyEx(parent, path.c_str(), 0, access, &key);
    return HeldKey(key);
  }
  static HeldKey Hive(std::string const& file) {
    HKEY hive = nullptr;
    RegOpenHiveFile(file.c_str(), &hive);
    return HeldKey(hive);
  }

 private:
  HKEY m_key;
};

inline long OpenRc(HKEY parent, std::string const& path, REGSAM access = KEY_READ) {
  HKEY key = nullptr;
  long const rc = RegOpenKeyEx(parent, path.c_str(), 0, access, &key);
  if (key) RegCloseKey(key);
  return rc;
}

inline long CreateRc(HKEY parent, std::string const& path) {
  HKEY key = nullptr;
  long const rc = RegCreateKeyEx(parent, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  if (key) RegCloseKey(key);
  return rc;
}
