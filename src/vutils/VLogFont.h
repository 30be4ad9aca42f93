// A logical font with its size in tenths of a point: the stored form of every font setting,
// 64 bytes, the font record's 60 followed by the point size. Face names keep at most 31
// characters and the bytes after the terminator are zero, so equal fonts store equal bytes.
#pragma once

#include <cstdint>

#include "platform/types/LogFont.h"

class VLogFont : public tagLOGFONTA {
 public:
  // The screen resolution that pixel heights and point sizes convert at.
  static constexpr int kScreenDpi = 96;

  VLogFont() = default;  // fields are left to be assigned
  VLogFont(int pointSize, long height, long width, long escapement, long orientation, long weight,
           unsigned char italic, unsigned char underline, unsigned char strikeOut, unsigned char charSet,
           unsigned char outPrecision, unsigned char clipPrecision, unsigned char quality,
           unsigned char pitchAndFamily, char const* faceName);
  // A normal fixed-pitch font of `pixelHeight` pixels in the default character set.
  VLogFont(int pixelHeight, char const* faceName);
  VLogFont(tagLOGFONTA const& font, int pointSize);

  // Copies the font and derives the point size from its height.
  VLogFont& operator=(tagLOGFONTA const& font);

  // All fields and the point size; face names compare case-sensitively.
  bool operator==(VLogFont const& other) const;

  // |pixelHeight| × 72 points per inch at the screen resolution, in tenths, truncated.
  static int32_t PointSizeOf(int64_t pixelHeight);

  int32_t pointSize;  // tenths of a point

 private:
  void SetFaceName(char const* faceName);
};

static_assert(sizeof(VLogFont) == 64, "the stored form of a font is 64 bytes");
