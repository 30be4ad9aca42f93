// The controls of the Session Options dialog's own pages as data: each edits one session
// option by its stored name. Number controls carry their ranges; numbers that hold a setting of
// three states (the global setting, off, on) are lists of those choices.
#pragma once

#include <vector>

#include "VPageControl.h"

class SessionPageControls {
 public:
  static std::vector<VPageControl> LogonScripts();
  static std::vector<VPageControl> Terminal();
  static std::vector<VPageControl> Emulation();
  static std::vector<VPageControl> Modes();
  static std::vector<VPageControl> Emacs();
  static std::vector<VPageControl> MappedKeys();
  static std::vector<VPageControl> EmulationAdvanced();
  static std::vector<VPageControl> Appearance();
  static std::vector<VPageControl> Window();
  static std::vector<VPageControl> LogFile();
  static std::vector<VPageControl> Printing();
  static std::vector<VPageControl> AdvancedPrinting();
  static std::vector<VPageControl> XModemZModem();
  static std::vector<VPageControl> FileTransfer();
  static std::vector<VPageControl> FtpSftp();
};
