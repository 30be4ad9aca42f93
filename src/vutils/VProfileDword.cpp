#include "VProfileDword.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "VProfileKey.h"

namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 99;
}

}  // namespace

bool VProfileDword::ReadDword(VProfileKey* key, unsigned long& out) const {
  return key && key->GetDword(GetName(), out);
}

bool VProfileDword::WriteDword(VProfileKey* key, unsigned long value) const {
  return key && key->SetDword(GetName(), value);
}

bool VProfileDword::ParseInt32(VString const& text, int radix, int32_t& out) {
  if (radix < 2 || radix > 36) return false;
  char const* p = text.c_str();
  char const* const end = p + text.Length();
  while (p < end && std::isspace(static_cast<unsigned char>(*p))) ++p;
  bool negative = false;
  if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
  // Accumulate the magnitude, stopping to grow once it is past any 32-bit value.
  int64_t constexpr kCeiling = int64_t{1} << 32;
  int64_t magnitude = 0;
  for (; p < end && DigitValue(*p) < radix; ++p)
    magnitude = std::min(magnitude * radix + DigitValue(*p), kCeiling);
  int64_t const value = negative ? -magnitude : magnitude;
  out = static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                 std::numeric_limits<int32_t>::max()));
  return true;
}
