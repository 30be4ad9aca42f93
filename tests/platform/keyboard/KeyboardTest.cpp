#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/keyboard/PcScanCode.h"
#include "platform/keyboard/XkbKeyboardLayout.h"
#include "support/CaseFile.h"
#include "support/Hex.h"
#include "support/KeyDump.h"
#include "support/ScopedEnv.h"

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

using Layout = KeyboardLayout;

// A layout built from XKB_DEFAULT_LAYOUT alone, whatever the machine's own settings are.
struct IsolatedLayout {
  explicit IsolatedLayout(char const* layout) : name("XKB_DEFAULT_LAYOUT", layout) {}
  ScopedEnv rules{"XKB_DEFAULT_RULES", nullptr};
  ScopedEnv model{"XKB_DEFAULT_MODEL", nullptr};
  ScopedEnv variant{"XKB_DEFAULT_VARIANT", nullptr};
  ScopedEnv options{"XKB_DEFAULT_OPTIONS", nullptr};
  ScopedEnv name;
  XkbKeyboardLayout xkb;
};

TEST(XkbKeyboardLayoutTest, LabelsAndVirtualKeys) {
  ExpectCaseFile("platform/xkb_keys.txt", [](std::string const& input) {
    std::istringstream in(input);
    std::string asked, layout, key;
    unsigned int modifiers = 0;
    in >> asked >> layout >> key >> modifiers;
    IsolatedLayout const isolated(layout.c_str());
    unsigned int const scanCode = std::stoul(key, nullptr, 0);
    unsigned int const virtualKey = isolated.xkb.VirtualKey(scanCode, key.ends_with('E'));
    return asked == "label" ? DumpText(isolated.xkb.KeyLabel(scanCode, key.ends_with('E'), modifiers))
                            : Hex(std::string{char(virtualKey >> 8), char(virtualKey)}, true);
  });
}

TEST(XkbKeyboardLayoutTest, AnUnknownLayoutGivesWayToUs) {
  std::pair<char const*, char const*> const cases[] = {{"zz-no-such-layout", "us"}, {nullptr, "us"}, {"de", "de"}};
  for (auto [layout, name] : cases) EXPECT_EQ(IsolatedLayout(layout).xkb.LayoutName(), name) << (layout ? layout : "-");
}

}  // namespace
