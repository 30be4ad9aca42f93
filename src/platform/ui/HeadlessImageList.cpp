#include "platform/ui/HeadlessImageList.h"

bool HeadlessImageList::Create(int cx, int cy, unsigned int flags, int initial, int grow) {
  m_images.clear();
  m_created = !m_refuse && cx > 0 && cy > 0 && initial >= 0 && grow >= 0;
  m_creation = {cx, cy, flags, initial, grow};
  return m_created;
}

int HeadlessImageList::Add(HICON icon) {
  if (!m_created || !icon) return -1;
  m_images.push_back(icon);
  return GetImageCount() - 1;
}
