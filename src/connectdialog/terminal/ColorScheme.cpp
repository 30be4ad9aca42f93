#include "terminal/ColorScheme.h"

#include <algorithm>

void ColorScheme::SetColors(COLORREF foregroundColor, COLORREF backgroundColor) {
  *this = ColorScheme();
  std::ranges::fill(foreground, foregroundColor);
  std::ranges::fill(background, backgroundColor);
}
