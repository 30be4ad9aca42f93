// The Session Printing page: whether the session uses the global print settings, its page
// margins in inches (each shown "%5.3f") and its printer font (shown "%s %dpt", the face and
// the size rounded to whole points).
#pragma once

#include <string>

#include "VLogFont.h"
#include "VPropertyTreePage.h"

class SessionConfig;

class SessionPrintingPage : public VPropertyTreePage {
 public:
  enum ControlId { kUseGlobal = 1621, kLeft, kTop, kRight, kBottom, kFont };

  // Edits `session`, which outlives the page.
  explicit SessionPrintingPage(SessionConfig& session);

  bool OnSetActive() override;
  // Margins must be numbers from 0 to 100 inches; untouched margins keep their stored bytes.
  bool OnKillActive() override;

  static std::string MarginText(double inches);
  static std::string FontText(VLogFont const& font);

 private:
  bool MarginsTouched();
  SessionConfig& m_session;
};
