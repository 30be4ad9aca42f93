#include "platform/keyboard/PcScanCode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Every key there is comes back from its evdev code as itself; SysRq and Break, which share the
// evdev code of Print Screen and Pause, come back as those keys.
TEST(PcScanCodeTest, EvdevCodesLeadBackToTheirKeys) {
  int keys = 0;
  for (bool extended : {false, true}) {
    for (unsigned int code = 0; code < 0x80; ++code) {
      unsigned int const evdev = PcScanCode::EvdevKey(code, extended);
      if (evdev == 0) continue;
      SCOPED_TRACE(std::to_string(code) + (extended ? " extended" : ""));
      ++keys;
      unsigned int scanCode = 0xDEAD;
      bool backExtended = !extended;
      ASSERT_TRUE(PcScanCode::FromEvdev(evdev, scanCode, backExtended));
      bool const sysRq = code == 0x54 && !extended;
      bool const breakKey = code == 70 && extended;
      EXPECT_EQ(scanCode, sysRq ? 55u : breakKey ? 0x45u : code);
      EXPECT_EQ(backExtended, (extended || sysRq) && !breakKey);
    }
  }
  EXPECT_GT(keys, 100);
}

TEST(PcScanCodeTest, CodesOfNoKeyLeaveTheOutputsAlone) {
  for (unsigned int evdev : {0u, 84u, 240u, 100000u}) {
    SCOPED_TRACE(evdev);
    unsigned int scanCode = 0xDEAD;
    bool extended = true;
    EXPECT_FALSE(PcScanCode::FromEvdev(evdev, scanCode, extended));
    EXPECT_EQ(scanCode, 0xDEADu);
    EXPECT_TRUE(extended);
  }
}

}  // namespace
