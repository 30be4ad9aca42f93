// The text-list reads and writes shared by the list values, under the value's name.
#pragma once

#include "VProfileData.h"
#include "VStringArray.h"

class VProfileMultiSz : public VProfileData {
 protected:
  bool ReadMultiSz(VProfileKey* key, VStringArray& out) const;
  bool WriteMultiSz(VProfileKey* key, VStringArray const& values) const;
};
