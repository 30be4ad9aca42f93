// Reads one zone of the time-zone list, from its key or from the entry built for it, into its
// values.
#pragma once

#include "TimeZoneValues.h"
#include "platform/timezone/TimeZoneListEntry.h"
#include "platform/types/WinTypes.h"

class TimeZoneKeyReader {
 public:
  // False when the subkey cannot be opened or has no 44-byte binary "TZI": without a rule the
  // zone cannot answer offsets, so it is left out of the list. Missing texts fall back: "Std"
  // (absent or under 2 bytes) to the key name, "Dlt" and "Display" to empty.
  static bool Read(HKEY list, char const* name, TimeZoneValues& zone);
  // The same for an entry that was never stored, with the same fallbacks and limits.
  static void Read(TimeZoneListEntry const& entry, TimeZoneValues& zone);

 private:
  // Texts are read with a 1,024-byte buffer; a longer or non-text value counts as missing.
  static bool ReadText(HKEY key, char const* name, VString& text, unsigned long& size);
  static bool ReadRule(HKEY key, TIME_ZONE_INFORMATION& rule);
};
