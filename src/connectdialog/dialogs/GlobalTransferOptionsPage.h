// The Options page of the Global Options dialog (file transfer): the local window's first
// folder, the download and cache folders, the anonymous login's password and two checks.
// Leaving it requires each folder given (not empty) to be usable, an absolute path to an
// existing folder the user may write: otherwise message 0xE1600002 or 0xE1600001 names it and
// the focus goes back to its field.
#pragma once

#include "VPropertyTreePage.h"

class GlobalTransferOptionsPage : public VPropertyTreePage {
 public:
  enum ControlId { kLocalFolder = 1059, kDownloadFolder = 1140, kCacheFolder = 1042, kAnonymousPassword = 1050 };

  GlobalTransferOptionsPage();

  bool OnKillActive() override;
};
