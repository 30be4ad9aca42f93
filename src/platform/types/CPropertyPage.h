// The toolkit's property page: what every page of the options dialogs is. Plug-ins receive a
// dialog's parent page as one and reach the page model behind it with dynamic_cast.
#pragma once

class CPropertyPage {
 public:
  virtual ~CPropertyPage() = default;
};
