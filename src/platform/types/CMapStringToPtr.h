// The UI framework's map from strings (compared byte for byte) to untyped pointers. The map
// never owns what the pointers point at.
#pragma once

#include <map>
#include <string>

class CMapStringToPtr {
 public:
  // The framework allocates associations in blocks of this many; here it is only remembered.
  explicit CMapStringToPtr(int blockSize = 10) : m_blockSize(blockSize) {}

  void SetAt(char const* key, void* value) { m_map[key] = value; }
  // False, with `value` untouched, when `key` is not in the map.
  bool Lookup(char const* key, void*& value) const {
    auto const found = m_map.find(key);
    if (found == m_map.end()) return false;
    value = found->second;
    return true;
  }
  bool RemoveKey(char const* key) { return m_map.erase(key) > 0; }
  int GetCount() const { return static_cast<int>(m_map.size()); }
  bool IsEmpty() const { return m_map.empty(); }
  void RemoveAll() { m_map.clear(); }
  int GetBlockSize() const { return m_blockSize; }

 private:
  std::map<std::string, void*> m_map;
  int m_blockSize;
};
