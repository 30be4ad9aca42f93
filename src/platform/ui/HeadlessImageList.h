// An image list without a display: it keeps the icon handles it was given, in order, and the
// parameters of its creation, so that what a view would draw can be checked.
#pragma once

#include <vector>

#include "platform/types/CImageList.h"

class HeadlessImageList : public CImageList {
 public:
  struct Creation {
    int cx = 0;
    int cy = 0;
    unsigned int flags = 0;
    int initial = 0;
    int grow = 0;
  };

  bool Create(int cx, int cy, unsigned int flags, int initial, int grow) override;
  int Add(HICON icon) override;
  int GetImageCount() const override { return static_cast<int>(m_images.size()); }

  // Makes every later Create fail, as a list the system has no room for.
  void RefuseCreation() { m_refuse = true; }
  bool IsCreated() const { return m_created; }
  Creation const& Created() const { return m_creation; }
  std::vector<HICON> const& Images() const { return m_images; }

 private:
  Creation m_creation;
  std::vector<HICON> m_images;
  bool m_created = false;
  bool m_refuse = false;
};
