#include "VLogFont.h"

#include <algorithm>
#include <cstring>

VLogFont::VLogFont(int pointSize, long height, long width, long escapement, long orientation, long weight,
                   unsigned char italic, unsigned char underline, unsigned char strikeOut, unsigned char charSet,
                   unsigned char outPrecision, unsigned char clipPrecision, unsigned char quality,
                   unsigned char pitchAndFamily, char const* faceName)
    : tagLOGFONTA{static_cast<int32_t>(height),
                  static_cast<int32_t>(width),
                  static_cast<int32_t>(escapement),
                  static_cast<int32_t>(orientation),
                  static_cast<int32_t>(weight),
                  italic,
                  underline,
                  strikeOut,
                  charSet,
                  outPrecision,
                  clipPrecision,
                  quality,
                  pitchAndFamily,
                  {}},
      pointSize(pointSize) {
  SetFaceName(faceName);
}

VLogFont::VLogFont(int pixelHeight, char const* faceName)
    : VLogFont(PointSizeOf(pixelHeight), -static_cast<int64_t>(pixelHeight), 0, 0, 0, FW_NORMAL, 0, 0, 0,
               DEFAULT_CHARSET, 0, 0, 0, FIXED_PITCH, faceName) {}

VLogFont::VLogFont(tagLOGFONTA const& font, int pointSize) : tagLOGFONTA(font), pointSize(pointSize) {
  SetFaceName(font.lfFaceName);
}

VLogFont& VLogFont::operator=(tagLOGFONTA const& font) {
  tagLOGFONTA::operator=(font);
  SetFaceName(font.lfFaceName);
  pointSize = PointSizeOf(font.lfHeight);
  return *this;
}

bool VLogFont::operator==(VLogFont const& other) const {
  return lfHeight == other.lfHeight && lfWidth == other.lfWidth && lfEscapement == other.lfEscapement &&
         lfOrientation == other.lfOrientation && lfWeight == other.lfWeight && lfItalic == other.lfItalic &&
         lfUnderline == other.lfUnderline && lfStrikeOut == other.lfStrikeOut && lfCharSet == other.lfCharSet &&
         lfOutPrecision == other.lfOutPrecision && lfClipPrecision == other.lfClipPrecision &&
         lfQuality == other.lfQuality && lfPitchAndFamily == other.lfPitchAndFamily &&
         std::strncmp(lfFaceName, other.lfFaceName, LF_FACESIZE) == 0 && pointSize == other.pointSize;
}

int32_t VLogFont::PointSizeOf(int64_t pixelHeight) {
  int64_t const tenths = (pixelHeight < 0 ? -pixelHeight : pixelHeight) * 720 / kScreenDpi;
  return static_cast<int32_t>(std::min<int64_t>(tenths, INT32_MAX));
}

// Copies through a local buffer: `faceName` may be this font's own face.
void VLogFont::SetFaceName(char const* faceName) {
  char face[LF_FACESIZE] = {};
  if (faceName) std::memcpy(face, faceName, strnlen(faceName, LF_FACESIZE - 1));
  std::memcpy(lfFaceName, face, LF_FACESIZE);
}
