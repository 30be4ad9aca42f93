// Turns setting texts into values for VProfileData::SetFromText. Hosts that drive settings by
// text supply it; the library has none of its own. A failed conversion returns false and
// describes itself in `report`. The library always passes true as `flag`.
#pragma once

#include "VString.h"
#include "VStringArray.h"

class IReportMessageParams;

class IProfileTextConverter {
 public:
  virtual bool TextToList(VStringArray& out, VString const& text, IReportMessageParams& report, bool flag) = 0;
  virtual bool TextToString(VString& out, VString const& text, IReportMessageParams& report, bool flag) = 0;
  // Declared between the conversions: hosts built against this interface expect the bool
  // conversion in the slot after the destructor.
  virtual ~IProfileTextConverter() = default;
  virtual bool TextToBool(bool* out, VString const& text, IReportMessageParams& report) = 0;
};
