#include "platform/keyboard/XkbKeyboardLayout.h"

#include <gtest/gtest.h>

#include <memory>

#include "support/ScopedEnv.h"

namespace {

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
           Case{"zz-no-such-layout", 12, false, Layout::kShift, "_"},
       }) {
    IsolatedLayout layout(c.layout);
    EXPECT_EQ(layout.xkb.KeyLabel(c.scanCode, c.extended, c.modifiers), c.label)
        << c.layout << " " << c.scanCode << (c.extended ? "E" : "") << " mods " << c.modifiers;
  }
}

TEST(XkbKeyboardLayoutTest, VirtualKeysMoveWithLettersAndKeepTheirPlaceOtherwise) {
  struct Case { char const* layout; unsigned int scanCode; bool extended; unsigned int virtualKey; };
  for (Case const& c : {
           Case{"us", 21, false, 'Y'}, Case{"de", 21, false, 'Z'}, Case{"de", 44, false, 'Y'},
           Case{"fr", 16, false, 'A'}, Case{"fr", 2, false, '1'},  // AZERTY: '&' sits on the 1 key
           Case{"us", 12, false, 0xBD}, Case{"de", 12, false, 0xBD}, Case{"us", 72, false, 0x26},
           Case{"us", 72, true, 0x26}, Case{"us", 28, true, 0x0D}, Case{"us", 69, false, 0x13},
           Case{"us", 69, true, 0x90}, Case{"us", 55, true, 0x2C}, Case{"us", 0x76, false, 0x87},
           Case{"us", 84, true, 0}, Case{"us", 500, false, 0},
       }) {
    IsolatedLayout layout(c.layout);
    EXPECT_EQ(layout.xkb.VirtualKey(c.scanCode, c.extended), c.virtualKey)
        << c.layout << " " << c.scanCode << (c.extended ? "E" : "");
  }
}

TEST(XkbKeyboardLayoutTest, AnUnknownLayoutGivesWayToUs) {
  IsolatedLayout unknown("zz-no-such-layout");
  EXPECT_EQ(unknown.xkb.LayoutName(), "us");
  IsolatedLayout unset(nullptr);
  EXPECT_EQ(unset.xkb.LayoutName(), "us");
  IsolatedLayout german("de");
  EXPECT_EQ(german.xkb.LayoutName(), "de");
}

}  // namespace
