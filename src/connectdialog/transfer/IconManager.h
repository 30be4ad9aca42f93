// The images of file types and of the built-in file and folder pictures, in two image lists
// (large 32x32 and small 16x16) that stay in step: an index means the same picture in both.
// Types get their image on first demand. Does not own the manager or the lists; one thread.
#pragma once

#include <array>
#include <map>

#include "platform/types/CImageList.h"
#include "platform/types/WinTypes.h"

class FileTypeManager;

class IconManager {
 public:
  // Built-in image slots; the host gives each a resource number.
  enum IMGINDX : int {
    IMGINDX_FIRST = 0,
    IMGINDX_FOLDER_CLOSED = 7,
    IMGINDX_FOLDER_OPEN = 8,
    IMGINDX_UNKNOWN_FILE = 9,
    IMGINDX_EXECUTABLE = 10,  // the icon of executable files; never put in the lists
    IMGINDX_LAST = 14,
  };
  static constexpr int kSlots = IMGINDX_LAST + 1;

  // Chooses the colour depth now: 16 bits when the desktop's "Shell Icon BPP" (the display's
  // depth when that is unset) is 16 to 32 and the display has 16 or more; else 4. Every
  // resource number starts at 0 (none).
  IconManager(FileTypeManager* types, CImageList* small, CImageList* large);

  // False for a slot outside 0-14.
  bool SetResourceNumber(IMGINDX slot, unsigned int resource);
  // Creates both lists afresh and loads the built-in images; false when a list cannot be made.
  bool PrepareImageLists();
  // The type's icons, owned by the caller; the executable type takes slot 10's resource. False,
  // with nothing made, when they cannot be had.
  bool GetIcons(int typeIndex, HICON* large, HICON* small, int depth);
  // A built-in image's list index; -1 when it is not loaded or the slot has no image.
  int ImageIndex(int slot) const;
  // The list index of the image of an extension's type, adding the type's icons on first use;
  // the unknown-file image when no type owns it or its icons cannot be had.
  int ImageIndex(char const* extension);

  // 4 or 16: the bits per pixel of the lists' images.
  int ColorDepth() const { return m_depth; }

 private:
  static int ChooseColorDepth();
  bool LoadSlotIcons(int slot, HICON* large, HICON* small);
  bool LoadFolderIcons(int slot, HICON* large, HICON* small);
  bool LoadResourceIcons(unsigned int resource, HICON* large, HICON* small);
  // Adds the pair to the lists and destroys it; the new index, or -1.
  int AddPair(HICON large, HICON small);

  FileTypeManager* m_types;
  CImageList* m_small;
  CImageList* m_large;
  int m_depth;
  std::map<int, int> m_slotImages;
  std::array<unsigned int, kSlots> m_resources{};
};
