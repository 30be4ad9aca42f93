#include "terminal/RgbText.h"

#include <charconv>
#include <cstdio>

bool RgbText::Parse(std::string const& text, COLORREF& color) {
  unsigned int rgb = 0;
  char const* end = text.data() + text.size();
  auto const [last, error] = std::from_chars(text.data(), end, rgb, 16);
  if (text.size() != 6 || error != std::errc() || last != end) return false;
  color = ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
  return true;
}

std::string RgbText::Format(COLORREF color) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
  return text;
}
