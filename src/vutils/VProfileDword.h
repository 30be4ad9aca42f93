// The number reads and writes shared by the number and bool values, under the value's name.
#pragma once

#include <cstdint>

#include "VProfileData.h"

class VProfileDword : public VProfileData {
 protected:
  bool ReadDword(VProfileKey* key, unsigned long& out) const;
  bool WriteDword(VProfileKey* key, unsigned long value) const;
  // The text as a signed 32-bit number in `radix` (2-36): leading white space, an optional
  // sign, then digits up to the first other character; no digits give 0, values beyond the
  // range give the nearest limit. False for a radix outside 2-36.
  static bool ParseInt32(VString const& text, int radix, int32_t& out);
};
