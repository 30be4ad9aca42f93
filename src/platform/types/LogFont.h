// The platform's logical-font record, laid out byte for byte as fonts are stored: five 32-bit
// numbers, eight single-byte attributes and a 32-byte zero-terminated face name.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int LF_FACESIZE = 32;

// Weights and the character set and pitch values the library's own fonts use.
constexpr int32_t FW_NORMAL = 400;
constexpr int32_t FW_BOLD = 700;
constexpr uint8_t ANSI_CHARSET = 0;
constexpr uint8_t DEFAULT_CHARSET = 1;
constexpr uint8_t FIXED_PITCH = 1;

struct tagLOGFONTA {
  int32_t lfHeight;  // negative: character height in pixels; positive: cell height
  int32_t lfWidth;
  int32_t lfEscapement;
  int32_t lfOrientation;
  int32_t lfWeight;
  uint8_t lfItalic;
  uint8_t lfUnderline;
  uint8_t lfStrikeOut;
  uint8_t lfCharSet;
  uint8_t lfOutPrecision;
  uint8_t lfClipPrecision;
  uint8_t lfQuality;
  uint8_t lfPitchAndFamily;
  char lfFaceName[LF_FACESIZE];
};
using LOGFONTA = tagLOGFONTA;
using LOGFONT = tagLOGFONTA;

static_assert(sizeof(LOGFONT) == 60);
static_assert(offsetof(LOGFONT, lfWeight) == 16);
static_assert(offsetof(LOGFONT, lfItalic) == 20);
static_assert(offsetof(LOGFONT, lfPitchAndFamily) == 27);
static_assert(offsetof(LOGFONT, lfFaceName) == 28);
