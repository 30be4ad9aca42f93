#include "session/ConnectProtocolTable.h"

#include "platform/types/IndexOutOfRange.h"

ConnectProtocolTableElement& ConnectProtocolTable::operator[](int index) {
  CheckIndex(index);
  return m_elements[static_cast<size_t>(index)];
}

ConnectProtocolTableElement const& ConnectProtocolTable::operator[](int index) const {
  CheckIndex(index);
  return m_elements[static_cast<size_t>(index)];
}

int ConnectProtocolTable::Add(ConnectProtocolTableElement const& element) {
  m_elements.push_back(element);
  return GetSize() - 1;
}

void ConnectProtocolTable::CheckIndex(int index) const {
  if (index < 0 || index >= GetSize()) throw IndexOutOfRange("ConnectProtocolTable", index, GetSize());
}

ConnectProtocolTable& GetConnectProtocolTable() {
  static ConnectProtocolTable table;
  return table;
}
