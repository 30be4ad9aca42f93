// What a property-tree dialog offers to those who add pages to it (the host's own pages of the
// options dialogs). The order of the operations is fixed: hosts built elsewhere call them by
// their place.
#pragma once

#include <cstdint>

class VPropertyPageStateMap;
class VPropertyTreePage;

class IPropertyTreeDialog {
 public:
  // Appends a top-level page.
  virtual void AddPage(VPropertyTreePage* page) = 0;
  // Removes the first occurrence of a top-level page; later pages move up.
  virtual void RemovePage(VPropertyTreePage* page) = 0;
  // Puts an added page, with its children, into the open dialog's tree at its place.
  virtual void ShowPage(VPropertyTreePage* page) = 0;
  // Takes a page, with its children, out of the open dialog's tree.
  virtual void HidePage(VPropertyTreePage* page) = 0;
  // Kept for the hosts that call it; does nothing.
  virtual void Reserved(uint32_t value) = 0;
  // The page state map given at construction, or null.
  virtual VPropertyPageStateMap* GetPageStateMap() = 0;

 protected:
  ~IPropertyTreeDialog() = default;
};
