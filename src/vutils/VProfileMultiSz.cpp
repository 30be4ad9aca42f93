#include "VProfileMultiSz.h"

#include "VProfileKey.h"

bool VProfileMultiSz::ReadMultiSz(VProfileKey* key, VStringArray& out) const {
  return key && key->GetMultiSz(GetName(), out);
}

bool VProfileMultiSz::WriteMultiSz(VProfileKey* key, VStringArray const& values) const {
  return key && key->SetMultiSz(GetName(), values);
}
