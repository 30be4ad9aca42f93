// Walks the value names (values = true) or the subkey names of a key.
#pragma once

#include "VString.h"

class VProfileKey;
class VProfilePrivateKeyIterator;

class VProfileKeyIterator {
 public:
  VProfileKeyIterator(VProfileKey* key, bool values);
  virtual ~VProfileKeyIterator();
  VProfileKeyIterator(VProfileKeyIterator const&) = delete;
  VProfileKeyIterator& operator=(VProfileKeyIterator const&) = delete;

  virtual bool Next(VString& name);

 private:
  VProfilePrivateKeyIterator* m_iterator = nullptr;
};
