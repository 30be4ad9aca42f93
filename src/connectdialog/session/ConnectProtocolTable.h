// The process-wide table of registered protocols, filled by the host through LoadProtocolDll
// at start-up and read afterwards. Indexes are stable: elements are only appended (RemoveAll
// aside). User-interface thread only; nothing is locked.
#pragma once

#include <vector>

#include "session/ConnectProtocolTableElement.h"

class ConnectProtocolTable {
 public:
  ConnectProtocolTable() { m_elements.reserve(8); }

  int GetSize() const { return static_cast<int>(m_elements.size()); }
  // Throws IndexOutOfRange for an index outside 0 .. GetSize() - 1: a programming error.
  ConnectProtocolTableElement& operator[](int index);
  ConnectProtocolTableElement const& operator[](int index) const;
  // Appends a copy and returns its index.
  int Add(ConnectProtocolTableElement const& element);
  // Empties the table, for a host that registers its protocols anew (and for tests). Records
  // made from the old entries must be gone first: their sides hold indexes into this table.
  void RemoveAll() { m_elements.clear(); }

 private:
  void CheckIndex(int index) const;

  std::vector<ConnectProtocolTableElement> m_elements;
};

// The one table of the process, made on first use and destroyed at process end.
ConnectProtocolTable& GetConnectProtocolTable();
