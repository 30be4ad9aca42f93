#include "dialogs/SessionPrintingPage.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "dialogs/SessionPageControls.h"
#include "platform/ui/UserInterface.h"
#include "session/SessionConfig.h"

namespace {

constexpr int kMargins[] = {SessionPrintingPage::kLeft, SessionPrintingPage::kRight, SessionPrintingPage::kTop,
                            SessionPrintingPage::kBottom};

// A margin as the user typed it: a plain decimal number of inches from 0 to 100.
bool ParseMargin(std::string const& text, double& inches) {
  char* end = nullptr;
  inches = std::strtod(text.c_str(), &end);
  return !text.empty() && end == text.c_str() + text.size() && std::isfinite(inches) && inches >= 0 && inches <= 100;
}

}  // namespace

SessionPrintingPage::SessionPrintingPage(SessionConfig& session)
    : VPropertyTreePage(11453, "Session Printing", SessionPageControls::Printing()), m_session(session) {}

std::string SessionPrintingPage::MarginText(double inches) {
  char text[64];
  std::snprintf(text, sizeof text, "%5.3f", inches);
  return text;
}

std::string SessionPrintingPage::FontText(VLogFont const& font) {
  char text[96];
  std::snprintf(text, sizeof text, "%s %dpt", font.lfFaceName, static_cast<int>(std::lround(font.pointSize / 10.0)));
  return text;
}

bool SessionPrintingPage::OnSetActive() {
  if (!VPropertyTreePage::OnSetActive()) return false;
  VMarginData const& margins = m_session.pageMargins;
  double const values[] = {margins.left, margins.right, margins.top, margins.bottom};
  for (size_t i = 0; i < std::size(kMargins); ++i) {
    VPageControl* control = Control(kMargins[i]);
    control->value = control->shown = MarginText(values[i]);
  }
  Control(kFont)->value = FontText(m_session.printerFont);
  return true;
}

bool SessionPrintingPage::MarginsTouched() {
  for (int id : kMargins)
    if (Control(id)->value != Control(id)->shown) return true;
  return false;
}

bool SessionPrintingPage::OnKillActive() {
  double values[std::size(kMargins)] = {};
  for (size_t i = 0; i < std::size(kMargins); ++i) {
    if (ParseMargin(Control(kMargins[i])->value, values[i])) continue;
    GetUserInterface().MessageBox("Please enter a margin from 0 to 100 inches.", "", MB_OK | MB_ICONWARNING);
    return false;
  }
  bool const touched = MarginsTouched();
  if (!VPropertyTreePage::OnKillActive()) return false;
  if (touched) m_session.pageMargins = VMarginData{values[0], values[1], values[2], values[3]};
  return true;
}
