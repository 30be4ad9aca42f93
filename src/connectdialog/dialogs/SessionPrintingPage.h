// The Session Printing page: whether the session uses the global print settings, its page
// margins and its printer font, in the forms of PrintSettingsPage.
#pragma once

#include "dialogs/PrintSettingsPage.h"

class SessionConfig;

class SessionPrintingPage : public PrintSettingsPage {
 public:
  enum ControlId { kUseGlobal = 1621, kLeft, kTop, kRight, kBottom, kFont, kChooseFont, kPassThrough };

  // Edits `session`, which outlives the page.
  explicit SessionPrintingPage(SessionConfig& session);
};
