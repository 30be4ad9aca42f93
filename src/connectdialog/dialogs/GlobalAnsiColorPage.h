// The ANSI Color page of the Global Options dialog: the sixteen entries of "ANSI Color RGB",
// eight normal (controls 1220 to 1227) and eight bold (1228 to 1235), each an RRGGBB text;
// "&Default" (1236) and "D&efault" (1237) put back the normal and the bold half of the
// default table. Leaving the page writes the table when an entry changed.
#pragma once

#include <string>
#include <vector>

#include "VPropertyTreePage.h"
#include "platform/types/UserInterfaceCodes.h"

class GlobalConfig;

class GlobalAnsiColorPage : public VPropertyTreePage {
 public:
  static constexpr int kFirstNormal = 1220;
  static constexpr int kFirstBold = 1228;
  static constexpr int kNormalDefaults = 1236;
  static constexpr int kBoldDefaults = 1237;

  // Edits `options`, the dialog's working copy, which outlives the page.
  explicit GlobalAnsiColorPage(GlobalConfig& options);

  bool OnSetActive() override;
  bool OnKillActive() override;

 private:
  static std::vector<VPageControl> Declarations();
  void RestoreDefaults(int first);

  GlobalConfig& m_options;
};
