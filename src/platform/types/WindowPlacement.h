// The platform's window-placement record, stored as its 44 bytes: eleven 32-bit fields.
#pragma once

#include <cstddef>
#include <cstdint>

struct tagPOINT {
  int32_t x;
  int32_t y;
};
using POINT = tagPOINT;

struct tagRECT {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
};
using RECT = tagRECT;

struct tagWINDOWPLACEMENT {
  uint32_t length;  // always sizeof(tagWINDOWPLACEMENT)
  uint32_t flags;
  uint32_t showCmd;
  POINT ptMinPosition;
  POINT ptMaxPosition;
  RECT rcNormalPosition;
};
using WINDOWPLACEMENT = tagWINDOWPLACEMENT;

static_assert(sizeof(WINDOWPLACEMENT) == 44);
static_assert(offsetof(WINDOWPLACEMENT, ptMinPosition) == 12);
static_assert(offsetof(WINDOWPLACEMENT, ptMaxPosition) == 20);
static_assert(offsetof(WINDOWPLACEMENT, rcNormalPosition) == 28);
