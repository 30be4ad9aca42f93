// The comma-separated decimal numbers that view-state texts are made of ("1,-1,200").
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "VString.h"

class VCommaNumbers {
 public:
  // Splits `text` at commas; each part must be an optional minus sign and decimal digits with
  // nothing around them, within 64 bits. False, with `numbers` untouched, otherwise.
  static bool Parse(std::string_view text, std::vector<int64_t>& numbers);
  static VString Join(std::vector<int64_t> const& numbers);
};
