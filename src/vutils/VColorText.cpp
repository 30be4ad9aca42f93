#include "VColorText.h"

#include <charconv>
#include <cstdio>

namespace {

constexpr COLORREF kLargest = 0xFFFFFF;

// The whole of `text` as an unsigned number in `base`, no sign, no spaces.
bool ParseWhole(std::string const& text, int base, COLORREF& number) {
  char const* end = text.data() + text.size();
  auto const [last, error] = std::from_chars(text.data(), end, number, base);
  return !text.empty() && error == std::errc() && last == end;
}

}  // namespace

bool VColorText::Parse(Form form, std::string const& text, COLORREF& color) {
  COLORREF number = 0;
  if (form == Form::Number) {
    if (!ParseWhole(text, 10, number) || number > kLargest) return false;
    color = number;
    return true;
  }
  if (text.size() != 6 || !ParseWhole(text, 16, number)) return false;
  color = ((number >> 16) & 0xFF) | (number & 0xFF00) | ((number & 0xFF) << 16);
  return true;
}

std::string VColorText::Format(Form form, COLORREF color) {
  if (form == Form::Number) return std::to_string(color & kLargest);
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
  return text;
}

std::string VColorText::Refusal(Form form) {
  return form == Form::Rgb ? "Please enter a color as six hexadecimal digits (RRGGBB)."
                           : "Please enter a color as a number from 0 to 16777215 (0xBBGGRR).";
}
