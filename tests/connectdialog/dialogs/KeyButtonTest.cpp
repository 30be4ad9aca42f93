#include <gtest/gtest.h>

#include <tuple>

#include "dialogs/KeyMessage.h"
#include "dialogs/KeyModifiers.h"
#include "dialogs/KeyboardButton.h"
#include "dialogs/NextKeyDialog.h"
#include "dialogs/NumpadButton.h"
#include "support/FakeKeyboardLayout.h"

namespace {

using B = KeyboardButton;

class KeyButtonTest : public ::testing::Test {
 protected:
  KeyButtonTest() {
    // none, Ctrl, Shift, Ctrl+Shift, Alt, Ctrl+Alt, Shift+Alt, Ctrl+Shift+Alt
    layout.Key(30, false, 'A', {"a", "\x01", "A", "\x01", "\xC3\xA5", "\x01", "\xC3\x85", "\x01"});
    layout.Key(1, false, 0x1B, {"\x1B", "\x1B", "\x1B", "", "", "", "", ""});
    layout.Key(59, false, 0x70, {"", "", "", "", "", "", "", ""});
    layout.Key(72, false, 0x26, {"8", "8", "8", "8", "8", "8", "8", "8"});
    layout.Key(53, true, 0x20, {"%", "%", "%", "%", "%", "%", "%", "%"});
    layout.Key(2, false, '1', {"1", "", "\xC2\xAC", "", "", "", "", ""});  // Shift gives ¬
    layout.Key(3, false, '2', {"2", "\x00", "@", "ab", "", "", "", ""});
  }
  FakeKeyboardLayout layout;
};

TEST_F(KeyButtonTest, LabelsVirtualKeysAndDefaultSendStrings) {
  struct Case { unsigned int scanCode; bool extended; char const* caption; B::Modifier modifier;
                unsigned int virtualKey; char const* label; char const* sent; };
  for (Case const& c : {
           Case{30, false, "A", B::kNone, 'A', "a", "a"}, Case{30, false, "A", B::kShift, 'A', "A", "A"},
           Case{30, false, "A", B::kCtrl, 'A', "\x01", "\\001"}, Case{30, false, "A", B::kAlt, 'A', "", ""},
           Case{30, false, "A", B::kCtrlAlt, 'A', "\x01", "\\001"}, Case{1, false, "Esc", B::kNone, 0x1B, "Esc", ""},
           Case{1, false, "Esc", B::kCtrl, 0x1B, "\x1B", "\\033"}, Case{59, false, "F1", B::kNone, 0x70, "F1", ""},
           Case{72, false, "8", B::kNone, 0x26, "8", ""},  // a keypad cursor key offers nothing
           Case{53, true, "/", B::kNone, 111, "/", "/"}, Case{53, true, "/", B::kCtrl, 111, "", ""},
           Case{69, false, "Pause", B::kCtrl, 19, "Pause", ""}, Case{69, false, "Pause", B::kAlt, 19, "", ""},
           Case{55, true, "PrtSc", B::kNone, 44, "Print", ""}, Case{2, false, "1", B::kShift, '1', "\xC2\xAC", ""},
           Case{3, false, "2", B::kCtrlShift, '2', "ab", ""}, Case{99, false, "?", B::kNone, 0, "?", "?"},
       }) {
    B const button(c.scanCode, c.extended, c.caption, 1, 0);
    B::KeyState const& state = button.GetKeyState(c.modifier);
    SCOPED_TRACE(std::string(c.caption) + " combination " + std::to_string(c.modifier));
    EXPECT_EQ(std::tuple(state.scanCode, state.virtualKey, state.label, button.DefaultSendString(c.modifier)),
              std::tuple(c.scanCode, c.virtualKey, std::string(c.label), std::string(c.sent)));
  }
}

TEST_F(KeyButtonTest, FixedLabelsNumpadKeysAndOnePressedButton) {
  B const fixed(30, false, "A", 1, 1);
  EXPECT_EQ(fixed.ShownLabel(B::kShift), "a");
  NumpadButton const seven(71, false, "7", 2, 0x67);
  EXPECT_EQ(seven.VirtualKey(), 0x67u);
  EXPECT_EQ(seven.GetKeyState(B::kCtrlShiftAlt).label, "7");
  EXPECT_EQ(seven.DefaultSendString(B::kAlt), "7");
  B first(30, false, "A", 1, 0);
  B second(59, false, "F1", 1, 0);
  first.SetState(1);
  second.SetState(1);
  EXPECT_EQ(first.state(), 0);
  EXPECT_EQ(second.state(), 1);
  second.SetState(0);
  first.SetState(1);
  EXPECT_EQ(first.state(), 1);
}

TEST(KeyModifiersTest, BitsToCombinationAndText) {
  struct Case { unsigned int bits; B::Modifier modifier; char const* text; };
  for (Case const& c : {Case{0, B::kNone, ""}, Case{0x100, B::kNone, "Extended-"}, Case{0x200, B::kCtrl, "Ctrl-"},
                        Case{0x400, B::kShift, "Shift-"}, Case{0x800, B::kAlt, "Alt-"},
                        Case{0xF00, B::kCtrlShiftAlt, "Alt-Ctrl-Shift-Extended-"}, {0xA00, B::kCtrlAlt, "Alt-Ctrl-"}}) {
    EXPECT_EQ(mapModifiers(c.bits), c.modifier) << c.bits;
    EXPECT_EQ(mapModifiersToString(c.bits), c.text) << c.bits;
  }
}

TEST(NextKeyDialogTest, CapturesTheFirstKeyThatIsNotAModifier) {
  using K = KeyMessage::Kind;
  struct Case { char const* what; std::vector<KeyMessage> messages; bool captured; unsigned int scanCode, modifiers; };
  for (Case const& c : {
           Case{"Ctrl alone", {{K::KeyDown, 0x11, 1, 29, 0x200}}, false, 0, 0},
           Case{"Ctrl, Ctrl+A", {{K::KeyDown, 0x11, 1, 29, 0x200}, {K::KeyDown, 'A', 1, 30, 0x200}}, true, 30, 0x200},
           Case{"Print Screen from its key-up", {{K::KeyUp, 0x2C, 1, 55 | 0x100, 0}}, true, 55, 0x100},
           Case{"other key-ups", {{K::KeyUp, 'A', 1, 30, 0}, {K::SysKeyUp, 0x2C, 1, 55, 0}}, false, 0, 0},
           Case{"Alt+F4", {{K::SysKeyDown, 0x12, 1, 56, 0x800}, {K::SysKeyDown, 0x73, 1, 62, 0x800}}, true, 62, 0x800},
           Case{"right Ctrl+Shift+Insert",
                {{K::KeyDown, 0xA3, 1, 29 | 0x100, 0x200}, {K::KeyDown, 0x2D, 1, 82 | 0x100, 0x700}}, true, 82, 0x700},
       }) {
    NextKeyDialog dialog;
    dialog.Open();
    for (KeyMessage const& message : c.messages) dialog.PreTranslateMessage(message);
    EXPECT_EQ(std::tuple(dialog.IsEnded(), dialog.EndCode(), dialog.ScanCode(), dialog.Modifiers()),
              std::tuple(c.captured, c.captured ? IDOK : dialog.EndCode(), c.scanCode, c.modifiers)) << c.what;
  }
}

}  // namespace
