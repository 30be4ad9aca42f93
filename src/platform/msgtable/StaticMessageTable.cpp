#include "platform/msgtable/StaticMessageTable.h"

bool StaticMessageTable::Find(unsigned long code, std::string_view& text) const {
  for (MessageEntry const& entry : m_entries) {
    if (entry.code == code) {
      text = entry.text;
      return true;
    }
  }
  return false;
}
