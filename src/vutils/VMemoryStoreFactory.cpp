#include "VMemoryStoreFactory.h"

#include "VMemoryKey.h"
#include "VMemoryStore.h"

VProfilePrivateStore* VMemoryStoreFactory::CreateStore() { return new VMemoryStore(m_root); }

bool VMemoryStoreFactory::SetUndeletable(char const* path, bool undeletable) {
  std::shared_ptr<VMemoryNode> node = VMemoryKey::Walk(m_root, path, false);
  if (!node) return false;
  node->SetUndeletable(undeletable);
  return true;
}

bool VMemoryStoreFactory::SetLocked(char const* path, bool locked) {
  std::shared_ptr<VMemoryNode> node = VMemoryKey::Walk(m_root, path, false);
  if (!node) return false;
  node->SetLocked(locked);
  return true;
}
