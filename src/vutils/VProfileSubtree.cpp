#include "VProfileSubtree.h"

void VProfileSubtree::Clear() {
  m_nodes.clear();
  m_children.clear();
}

size_t VProfileSubtree::Add(size_t parent, VString const& name) {
  size_t const index = m_nodes.size();
  Node& node = m_nodes.emplace_back();
  node.parent = parent;
  node.name = name;
  node.values.resize(m_wanted.size());
  m_children.emplace_back();
  if (parent != kNoParent) m_children[parent].push_back(index);
  return index;
}
