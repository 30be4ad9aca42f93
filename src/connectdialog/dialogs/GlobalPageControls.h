// The controls of the Global Options pages as data, with the labels, option names and ranges
// the pages show. Options kept per host take the transfer client's names (" HFYX") there.
#pragma once

#include <vector>

#include "VPageControl.h"

class GlobalPageControls {
 public:
  enum GeneralControl {
    kShowConnectDialog = 1339,
    kMinimizeToTray = 1397,
    kMruCount = 1352,
    kConfigFolder = 1424,
    kEditDefaultSession = 1341,
    kMakeDefaultTelnet = 1373,
  };

  static std::vector<VPageControl> General();
  static std::vector<VPageControl> DefaultSession();
  static std::vector<VPageControl> Terminal();
  static std::vector<VPageControl> Appearance();
  static std::vector<VPageControl> Tabs();
  static std::vector<VPageControl> AdvancedPrinting();
  static std::vector<VPageControl> WebBrowser();
  static std::vector<VPageControl> FileTransfer();
  static std::vector<VPageControl> TransferAdvanced();
  static std::vector<VPageControl> View();
  static std::vector<VPageControl> Sound();
};
