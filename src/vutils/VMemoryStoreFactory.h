// A profile store held in memory: every store this factory creates sees the same tree, which
// lives as long as the factory or any key still open on it. Hosts use it where a test needs a
// real store without files. Used from one thread at a time, like every store.
#pragma once

#include <memory>

#include "VMemoryNode.h"
#include "VProfileStoreFactory.h"

class VMemoryStoreFactory : public VProfileStoreFactory {
 public:
  VMemoryStoreFactory() : m_root(std::make_shared<VMemoryNode>("")) {}

  VProfilePrivateStore* CreateStore() override;

  // Fault injection: from now on the key at `path` (below the root) cannot be removed, or can
  // again. False when no such key exists.
  bool SetUndeletable(char const* path, bool undeletable = true);
  // Fault injection: from now on the key at `path` reports itself not writable and refuses
  // value writes, or accepts them again. False when no such key exists.
  bool SetLocked(char const* path, bool locked = true);

 private:
  std::shared_ptr<VMemoryNode> m_root;
};
