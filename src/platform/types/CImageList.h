// A growable list of same-sized images that list and tree views draw from; an image is known by
// its index, given in the order images were added. No operation throws.
#pragma once

#include "platform/types/WinTypes.h"

// Creation flags: a mask for transparency, and the colour depth of the images.
constexpr unsigned int ILC_MASK = 0x0001;
constexpr unsigned int ILC_COLOR4 = 0x0004;
constexpr unsigned int ILC_COLOR16 = 0x0010;

class CImageList {
 public:
  virtual ~CImageList() = default;

  // Makes the list empty, for images of cx by cy pixels with the ILC_* `flags`, with room for
  // `initial` images and growing by `grow`. False, with the list unusable, when it cannot.
  virtual bool Create(int cx, int cy, unsigned int flags, int initial, int grow) = 0;
  // Adds a copy of `icon` (the caller keeps its own); the new image's index, or -1 when the list
  // was not created or the icon is null.
  virtual int Add(HICON icon) = 0;
  virtual int GetImageCount() const = 0;
};
