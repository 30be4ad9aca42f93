// The colours a terminal uses for each combination of bold (bit 0 of the index), underline
// (bit 1) and blink (bit 2), with four display switches. The object is its own stored form:
// 68 bytes, colours little-endian with red in the low byte.
#pragma once

#include <bit>
#include <cstdint>
#include <type_traits>

#include "platform/types/UserInterfaceCodes.h"

class ColorScheme {
 public:
  static constexpr int kEntries = 8;

  // Black on white, overstrike bold, underline and blink on, not advanced.
  ColorScheme() = default;

  bool operator==(ColorScheme const& other) const = default;
  bool operator!=(ColorScheme const& other) const { return !(*this == other); }

  // One colour pair for every attribute combination; the switches return to their defaults.
  void SetColors(COLORREF foregroundColor, COLORREF backgroundColor);

  uint8_t advanced = 0;
  uint8_t overstrikeBold = 1;
  uint8_t showUnderline = 1;
  uint8_t enableBlink = 1;
  COLORREF foreground[kEntries] = {};
  COLORREF background[kEntries] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                   0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
};

static_assert(sizeof(ColorScheme) == 68, "the stored form is 68 bytes");
static_assert(std::is_trivially_copyable_v<ColorScheme>);
static_assert(std::endian::native == std::endian::little, "colours are stored little-endian as they lie");
