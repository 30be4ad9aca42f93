// The registry calls tests make most, in short: a key made or opened, a text or number set, a
// value read back whole, a key's value names.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/registry/Registry.h"

// The key at `path` below `parent`, made when missing, with every access; null when refused.
inline HKEY CreateKey(HKEY parent, std::string const& path) {
  HKEY key = nullptr;
  RegCreateKeyEx(parent, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  return key;
}

// A REG_SZ value of `text`, with its terminator unless `terminated` is false.
inline long SetText(HKEY key, char const* name, std::string const& text, bool terminated = true) {
  return RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<unsigned char const*>(text.c_str()),
                       static_cast<unsigned long>(text.size() + (terminated ? 1 : 0)));
}

inline long SetNumber(HKEY key, std::string const& name, uint32_t value) {
  return RegSetValueEx(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<unsigned char const*>(&value), 4);
}

// A value as "type:bytes", "<missing>" when it cannot be read.
inline std::string RawValue(HKEY key, char const* name) {
  std::string data(4096, '\0');
  unsigned long size = data.size();
  unsigned long type = 0;
  if (RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<unsigned char*>(data.data()), &size) != 0)
    return "<missing>";
  return std::to_string(type) + ":" + data.substr(0, size);
}

// A text value without its terminator, "<missing>" when it cannot be read.
inline std::string TextValue(HKEY key, char const* name) {
  std::string const raw = RawValue(key, name);
  if (raw == "<missing>") return raw;
  std::string text = raw.substr(raw.find(':') + 1);
  return text.substr(0, text.find('\0'));
}

// The value names of an open key, in the order the registry enumerates them.
inline std::vector<std::string> RegistryValueNames(HKEY key) {
  std::vector<std::string> names;
  char name[256];
  for (unsigned long i = 0;; ++i) {
    unsigned long length = sizeof name;
    if (RegEnumValue(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) return names;
    names.emplace_back(name, length);
  }
}
