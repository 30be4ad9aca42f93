// Colours as people type them, RRGGBB in hexadecimal, against the stored colour with red in
// the low byte.
#pragma once

#include <string>

#include "platform/types/UserInterfaceCodes.h"

class RgbText {
 public:
  // Exactly six hexadecimal digits, either case; false with `color` untouched otherwise.
  static bool Parse(std::string const& text, COLORREF& color);
  // Six uppercase digits.
  static std::string Format(COLORREF color);
};
