// The text reads and writes shared by the string values, under the value's name.
#pragma once

#include "VProfileData.h"

class VProfileSz : public VProfileData {
 protected:
  bool ReadSz(VProfileKey* key, VString& out) const;
  bool WriteSz(VProfileKey* key, char const* text) const;
};
