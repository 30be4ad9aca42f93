// A colour control's text in the form its setting keeps: RRGGBB in hexadecimal, or the stored
// colour itself (red in the low byte, 0xBBGGRR) as a decimal number.
#pragma once

#include <string>

#include "platform/types/UserInterfaceCodes.h"

class VColorText {
 public:
  enum class Form { Rgb, Number };

  // Exactly six hexadecimal digits (either case) or a decimal 0 to 0xFFFFFF; false with
  // `color` untouched otherwise.
  static bool Parse(Form form, std::string const& text, COLORREF& color);
  // Six uppercase digits, or the number without leading zeros; bits above 0xFFFFFF are dropped.
  static std::string Format(Form form, COLORREF color);
  // What the user is told when a text is not a colour of `form`.
  static std::string Refusal(Form form);
};
