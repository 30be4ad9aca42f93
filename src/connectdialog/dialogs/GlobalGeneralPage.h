// The General page of the Global Options dialog. Leaving it checks, in this order: the recent
// session count (0 to 9), a changed configuration folder (ConfigFolderValidator: messages
// 0xE1600001 and 0xE1600002, then the integration rules), and, in the terminal clients, a newly
// ticked "Minimize To Tray" against the tray launcher beside the executable; a changed folder
// then takes effect at the next start, as the user is told.
#pragma once

#include "VPropertyTreePage.h"

class GlobalConfig;

class GlobalGeneralPage : public VPropertyTreePage {
 public:
  // The tray launcher's file name beside the executable on this platform.
  static constexpr char kTrayLauncher[] = "Traymind";

  // Edits `options`, the dialog's working copy, which outlives the page.
  explicit GlobalGeneralPage(GlobalConfig& options);

  bool OnSetActive() override;
  bool OnKillActive() override;

 private:
  bool TrayLauncherMissing();
  GlobalConfig& m_options;
};
