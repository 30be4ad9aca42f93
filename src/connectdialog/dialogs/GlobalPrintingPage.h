// The Printing page of the Global Options dialog: the global page margins ("&Left:" 1102,
// "&Top:" 1104, "&Right:" 1103, "&Bottom:" 1105), the printer font shown in 1162 and chosen with
// "C&hoose..." (1317), and "Print Set&up..." (1354) for the printer and its paper.
#pragma once

#include "dialogs/PrintSettingsPage.h"

class GlobalConfig;

class GlobalPrintingPage : public PrintSettingsPage {
 public:
  enum ControlId { kLeft = 1102, kRight = 1103, kTop = 1104, kBottom = 1105, kFont = 1162, kChoose = 1317, kSetup = 1354 };

  // Edits `options`, the dialog's working copy, which outlives the page.
  explicit GlobalPrintingPage(GlobalConfig& options);
};
