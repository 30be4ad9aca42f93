// Walks the value names or subkey names of one private key.
#pragma once

#include "VString.h"

class VProfilePrivateKeyIterator {
 public:
  virtual ~VProfilePrivateKeyIterator() = default;
  // The next name; false at the end.
  virtual bool Next(VString& name) = 0;
};
