// The binary-block reads and writes shared by the fixed-size record values, under the value's name.
#pragma once

#include "VProfileData.h"

class VProfileBinary : public VProfileData {
 protected:
  // Reads at most `capacity` bytes; a shorter stored block succeeds and fills only its length.
  bool ReadBinary(VProfileKey* key, void* data, unsigned long capacity) const;
  bool WriteBinary(VProfileKey* key, void const* data, unsigned long length) const;
};
