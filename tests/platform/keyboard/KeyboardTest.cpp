#include <gtest/gtest.h>

#include <string>

#include "platform/keyboard/PcScanCode.h"
#include "platform/keyboard/XkbKeyboardLayout.h"
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

TEST(XkbKeyboardLayoutTest, LabelsFollowTheLayoutAndTheModifiersHeld) {
  struct Case { char const* layout; unsigned int scanCode; bool extended; unsigned int modifiers; char const* label; };
  for (Case const& c : {
           Case{"us", 12, false, Layout::kShift, "_"}, Case{"de", 12, false, Layout::kShift, "?"},
           Case{"de", 12, false, 0, "\xC3\x9F"},  // ß
           Case{"us", 21, false, 0, "y"}, Case{"de", 21, false, 0, "z"},
           Case{"us", 3, false, Layout::kShift, "@"}, Case{"de", 3, false, Layout::kShift, "\""},
           Case{"us", 30, false, Layout::kCtrl, "\x01"},
           Case{"us", 53, true, 0, "/"},   // keypad Divide
           Case{"us", 72, true, 0, ""},    // the separate Up key types nothing
           Case{"us", 0x7F, false, 0, ""}, // no key there
           Case{"us", 30, false, 9, ""},   // no such combination
           Case{"zz-no-such-layout", 12, false, Layout::kShift, "_"}})
    EXPECT_EQ(IsolatedLayout(c.layout).xkb.KeyLabel(c.scanCode, c.extended, c.modifiers), c.label)
        << c.layout << " " << c.scanCode << (c.extended ? "E" : "") << " mods " << c.modifiers;
}

TEST(XkbKeyboardLayoutTest, VirtualKeysMoveWithLettersAndKeepTheirPlaceOtherwise) {
  struct Case { char const* layout; unsigned int scanCode; bool extended; unsigned int virtualKey; };
  for (Case const& c : {
           Case{"us", 21, false, 'Y'}, Case{"de", 21, false, 'Z'}, Case{"de", 44, false, 'Y'},
           Case{"fr", 16, false, 'A'}, Case{"fr", 2, false, '1'},  // AZERTY: '&' sits on the 1 key
           Case{"us", 12, false, 0xBD}, Case{"de", 12, false, 0xBD}, Case{"us", 72, false, 0x26},
           Case{"us", 72, true, 0x26}, Case{"us", 28, true, 0x0D}, Case{"us", 69, false, 0x13},
           Case{"us", 69, true, 0x90}, Case{"us", 55, true, 0x2C}, Case{"us", 0x76, false, 0x87},
           Case{"us", 84, true, 0}, Case{"us", 500, false, 0}})
    EXPECT_EQ(IsolatedLayout(c.layout).xkb.VirtualKey(c.scanCode, c.extended), c.virtualKey)
        << c.layout << " " << c.scanCode << (c.extended ? "E" : "");
}

TEST(XkbKeyboardLayoutTest, AnUnknownLayoutGivesWayToUs) {
  std::pair<char const*, char const*> const cases[] = {{"zz-no-such-layout", "us"}, {nullptr, "us"}, {"de", "de"}};
  for (auto [layout, name] : cases) EXPECT_EQ(IsolatedLayout(layout).xkb.LayoutName(), name) << (layout ? layout : "-");
}

}  // namespace
