#include "VMemoryKeyIterator.h"

bool VMemoryKeyIterator::Next(VString& name) {
  if (!m_node || m_node->IsDeleted()) return false;
  size_t const count = m_values ? m_node->ValueCount() : m_node->ChildCount();
  if (m_index >= count) return false;
  name = std::string_view(m_values ? m_node->ValueName(m_index) : m_node->ChildName(m_index));
  ++m_index;
  return true;
}
