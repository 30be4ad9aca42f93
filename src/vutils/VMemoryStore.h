// One opened in-memory store: a view of the tree its factory owns.
#pragma once

#include <memory>

#include "VMemoryNode.h"
#include "VProfilePrivateStore.h"

class VMemoryStore : public VProfilePrivateStore {
 public:
  explicit VMemoryStore(std::shared_ptr<VMemoryNode> root) : m_root(std::move(root)) {}

  VProfilePrivateKey* OpenRoot(bool readOnly) override;

 private:
  std::shared_ptr<VMemoryNode> m_root;
};
