// Walks the value names (creation order) or subkey names (folded-name order) of a memory key
// by index, as the registry does: a name added or removed during the walk shifts the names
// after it.
#pragma once

#include <memory>

#include "VMemoryNode.h"
#include "VProfilePrivateKeyIterator.h"

class VMemoryKeyIterator : public VProfilePrivateKeyIterator {
 public:
  // node may be empty (a key that could not be opened): the walk yields nothing.
  VMemoryKeyIterator(std::shared_ptr<VMemoryNode> node, bool values) : m_node(std::move(node)), m_values(values) {}

  bool Next(VString& name) override;

 private:
  std::shared_ptr<VMemoryNode> m_node;
  bool m_values;
  size_t m_index = 0;
};
