// The Tabs page of the Global Options dialog: the tab control 11444 picks which status
// indicator colour ("Connected Color", "Disconnected Color", "New Input Color") the colour box
// 11446 shows as RRGGBB; picking another tab keeps what was typed for the one left. Leaving the
// page writes the colours that changed, with the page's other options.
#pragma once

#include <array>

#include "VPropertyTreePage.h"
#include "platform/types/UserInterfaceCodes.h"

class GlobalConfig;

class GlobalTabsPage : public VPropertyTreePage {
 public:
  enum ControlId { kTabs = 11444, kColor = 11446 };

  // Edits `options`, the dialog's working copy, which outlives the page.
  explicit GlobalTabsPage(GlobalConfig& options);

  bool OnSetActive() override;
  bool OnKillActive() override;

 protected:
  void OnControlChanged(VPageControl& control) override;

 private:
  static constexpr char kBadColor[] = "Please enter a color as six hexadecimal digits (RRGGBB).";
  int TabIndex(std::string const& tab) const;
  bool KeepTyped();

  GlobalConfig& m_options;
  std::array<COLORREF, 3> m_colors{};
  int m_tab = 0;
};
