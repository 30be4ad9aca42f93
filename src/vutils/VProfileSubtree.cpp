#include "VProfileSubtree.h"

void VProfileSubtree::Clear() { m_nodes.clear(); }

size_t VProfileSubtree::Add(size_t parent, VString name) {
  size_t const index = m_nodes.size();
  Node& node = m_nodes.emplace_back();
  node.parent = parent;
  node.name = std::move(name);
  node.values.resize(m_wanted.size());
  if (parent != kNoParent) {
    Node& above = m_nodes[parent];
    if (above.children++ == 0) above.firstChild = index;
  }
  return index;
}
