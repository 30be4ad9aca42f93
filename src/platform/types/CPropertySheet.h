// The toolkit's property sheet: what the New Session Wizard is to the protocol plug-ins. A
// plug-in adds the pages it made (property pages it keeps owning) and removes them again
// before it frees them.
#pragma once

class CPropertyPage;

class CPropertySheet {
 public:
  virtual ~CPropertySheet() = default;

  // Appends `page` after the pages already there; a page that is no page model is ignored.
  virtual void AddPage(CPropertyPage* page) = 0;
  // Takes `page` out; nothing when the sheet does not hold it.
  virtual void RemovePage(CPropertyPage* page) = 0;
};
