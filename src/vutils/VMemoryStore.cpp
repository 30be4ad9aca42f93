#include "VMemoryStore.h"

#include "VMemoryKey.h"

VProfilePrivateKey* VMemoryStore::OpenRoot(bool readOnly) { return new VMemoryKey(m_root, readOnly); }
