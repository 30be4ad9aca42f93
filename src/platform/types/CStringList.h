// The UI framework's ordered list of strings, walked with a POSITION: GetHeadPosition, then
// GetNext until the position is null. A position is valid until the list is changed.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/types/CString.h"
#include "platform/types/IndexOutOfRange.h"
#include "platform/types/WinTypes.h"

class CStringList {
 public:
  void AddTail(CString const& text) { m_items.push_back(text); }
  int GetCount() const { return static_cast<int>(m_items.size()); }
  bool IsEmpty() const { return m_items.empty(); }
  void RemoveAll() { m_items.clear(); }

  // Null for an empty list.
  POSITION GetHeadPosition() const { return m_items.empty() ? nullptr : ToPosition(0); }
  // The element at `position`; `position` moves to the next one (null after the last).
  CString& GetNext(POSITION& position) {
    size_t const index = ToIndex(position);
    position = index + 1 < m_items.size() ? ToPosition(index + 1) : nullptr;
    return m_items[index];
  }
  CString& GetAt(POSITION position) { return m_items[ToIndex(position)]; }

 private:
  // A position is the element's index plus one, so that null means "no element".
  static POSITION ToPosition(size_t index) { return reinterpret_cast<POSITION>(static_cast<uintptr_t>(index + 1)); }
  size_t ToIndex(POSITION position) const {
    auto const index = static_cast<size_t>(reinterpret_cast<uintptr_t>(position)) - 1;
    if (index >= m_items.size())
      throw IndexOutOfRange("CStringList", static_cast<long>(index), static_cast<long>(m_items.size()));
    return index;
  }

  std::vector<CString> m_items;
};
