// The root key of a fresh writable memory store, for tests of values that load and save.
#pragma once

#include <string>

#include "VMemoryStoreFactory.h"
#include "VProfileKey.h"
#include "VProfileStore.h"

struct MemoryKey {
  VMemoryStoreFactory factory;
  VProfileStore store{&factory};
  VProfileKey* key = store.Root();

  // What `name` holds as text or as a number; "<none>" and -1 when it holds no value of that kind.
  std::string StoredSz(char const* name) {
    VString text;
    return key->GetSz(name, text) ? text.Str() : "<none>";
  }
  long StoredDword(char const* name) {
    unsigned long number = 0;
    return key->GetDword(name, number) ? static_cast<long>(number) : -1;
  }
};
