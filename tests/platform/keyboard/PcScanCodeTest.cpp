#include "platform/keyboard/PcScanCode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Every key there is comes back from its evdev code as itself; SysRq shares Print Screen's.
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
      EXPECT_EQ(scanCode, sysRq ? 55u : code);
      EXPECT_EQ(backExtended, sysRq || extended);
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
