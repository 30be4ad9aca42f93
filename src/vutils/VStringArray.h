// An array of VString, the element type of text-list values. Indexing outside the array is a
// programming error and throws std::out_of_range, the array classes' one exception.
#pragma once

#include <initializer_list>
#include <stdexcept>
#include <vector>

#include "VString.h"

class VStringArray {
 public:
  VStringArray() = default;
  VStringArray(std::initializer_list<VString> items) : m_items(items) {}

  int GetSize() const { return static_cast<int>(m_items.size()); }
  bool IsEmpty() const { return m_items.empty(); }
  void Add(VString const& item) { m_items.push_back(item); }
  void RemoveAll() { m_items.clear(); }
  void RemoveAt(int index) { m_items.erase(m_items.begin() + CheckedIndex(index)); }
  void InsertAt(int index, VString const& item) {
    if (index != GetSize()) CheckedIndex(index);
    m_items.insert(m_items.begin() + index, item);
  }

  VString& operator[](int index) { return m_items[CheckedIndex(index)]; }
  VString const& operator[](int index) const { return m_items[CheckedIndex(index)]; }
  VString& GetAt(int index) { return (*this)[index]; }
  VString const& GetAt(int index) const { return (*this)[index]; }

  auto begin() { return m_items.begin(); }
  auto end() { return m_items.end(); }
  auto begin() const { return m_items.begin(); }
  auto end() const { return m_items.end(); }

  bool operator==(VStringArray const& other) const { return m_items == other.m_items; }
  bool operator!=(VStringArray const& other) const { return !(*this == other); }

 private:
  size_t CheckedIndex(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= m_items.size())
      throw std::out_of_range("VStringArray index " + std::to_string(index) + " outside 0.." +
                              std::to_string(static_cast<long>(m_items.size()) - 1));
    return static_cast<size_t>(index);
  }

  std::vector<VString> m_items;
};
