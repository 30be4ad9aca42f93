#include "VProfileBinary.h"

#include "VProfileKey.h"

bool VProfileBinary::ReadBinary(VProfileKey* key, void* data, unsigned long capacity) const {
  unsigned long size = capacity;
  return key && key->GetBinary(GetName(), data, size);
}

bool VProfileBinary::WriteBinary(VProfileKey* key, void const* data, unsigned long length) const {
  return key && key->SetBinary(GetName(), data, length);
}
