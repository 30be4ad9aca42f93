#include "terminal/RgbText.h"

#include "VColorText.h"

bool RgbText::Parse(std::string const& text, COLORREF& color) {
  return VColorText::Parse(VColorText::Form::Rgb, text, color);
}

std::string RgbText::Format(COLORREF color) { return VColorText::Format(VColorText::Form::Rgb, color); }
