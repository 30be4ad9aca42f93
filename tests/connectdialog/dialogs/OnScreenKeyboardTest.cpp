#include "dialogs/OnScreenKeyboard.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <utility>

#include "dialogs/MappedKeysSteps.h"
#include "dialogs/SelectedKeySteps.h"
#include "support/FakeKeyboardLayout.h"
#include "support/Golden.h"
#include "support/HeadlessDialogs.h"
#include "support/KeyDump.h"
#include "terminal/Keymap.h"
#include "terminal/KeymapCode.h"

namespace {

class TestKeymap : public Keymap {};

class OnScreenKeyboardTest : public ::testing::Test {
 protected:
  // A US layout for the keys the tests look at.
  OnScreenKeyboardTest() {
    layout.Key(30, false, 'A', {"a", "\x01", "A", "\x01", "", "", "", ""});
    layout.Key(1, false, 0x1B, {"\x1B", "\x1B", "\x1B", "\x1B", "", "", "", ""});
    layout.Key(28, false, 0x0D, {"\r", "\n", "\r", "", "", "", "", ""});
    layout.Key(59, false, 0x70, {"", "", "", "", "", "", "", ""});
    layout.Key(57, false, 0x20, {" ", " ", " ", " ", "", "", "", ""});
    layout.Key(26, false, 0xDB, {"[", "\x1B", "{", "", "", "", "", ""});
    layout.Key(82, true, 0x2D, {"", "", "", "", "", "", "", ""});
    layout.Key(71, false, 0x24, {"7", "", "", "", "", "", "", ""});
    MappedKeysSteps::AddTo(dialogs.presenter);
    SelectedKeySteps::AddTo(dialogs.presenter);
  }

  FakeKeyboardLayout layout;
  HeadlessDialogs dialogs{false, false};
  TestKeymap keymap;
};

TEST_F(OnScreenKeyboardTest, EveryKeyHasOnePlaceOnTheGridAndNoModifierKeyIsAKey) {
  OnScreenKeyboard keyboard(nullptr, keymap);
  std::set<std::pair<unsigned int, bool>> keys;
  std::set<std::pair<int, int>> cells;  // (row, quarter column) taken
  for (OnScreenKeyboard::Key const& key : keyboard.Keys()) {
    SCOPED_TRACE(key.button->Caption());
    EXPECT_TRUE(keys.emplace(key.button->ScanCode(), key.button->Extended()).second);
    EXPECT_GE(key.column, 0);
    EXPECT_LE(key.column + key.width, OnScreenKeyboard::kColumns);
    EXPECT_LE(key.row + key.height, OnScreenKeyboard::kRows);
    for (int row = key.row; row < key.row + key.height; ++row)
      for (int column = key.column; column < key.column + key.width; ++column)
        EXPECT_TRUE(cells.emplace(row, column).second) << row << "," << column;
  }
  EXPECT_EQ(keys.size(), 98u);
  for (auto modifier : {std::pair{29u, false}, {29u, true}, {42u, false}, {54u, false}, {56u, false}, {56u, true}})
    EXPECT_EQ(keyboard.Find(modifier.first, modifier.second), keyboard.Keys().size());
}

// The golden file holds, per key and combination, the label, the face, whether it is dimmed and the
// key index. Keypad 7 under Shift is the pad's own key, not the layout's Home.
TEST_F(OnScreenKeyboardTest, LabelsFacesAndKeyIndexesFollowTheCombination) {
  using M = KeyboardButton;
  OnScreenKeyboard keyboard(nullptr, keymap);
  std::string dump;
  for (auto [scanCode, extended, combination] : std::vector<std::tuple<unsigned int, bool, M::Modifier>>{
           {30, false, M::kNone}, {30, false, M::kShift}, {30, false, M::kAlt}, {30, false, M::kCtrlShiftAlt},
           {30, false, M::kCtrl}, {26, false, M::kCtrl}, {1, false, M::kNone}, {1, false, M::kShift},
           {28, false, M::kCtrl}, {59, false, M::kShift}, {57, false, M::kNone}, {82, true, M::kCtrl},
           {71, false, M::kShift}, {53, true, M::kAlt}, {69, true, M::kNone}, {28, true, M::kShift}}) {
    keyboard.SetCombination(combination);
    size_t const key = keyboard.Find(scanCode, extended);
    ASSERT_LT(key, keyboard.Keys().size()) << scanCode;
    OnScreenKeyboard::Face const face = keyboard.FaceOf(key);
    dump += std::to_string(scanCode) + (extended ? "e" : "") + " under " + std::to_string(combination) + ": " +
            DumpText(keyboard.Label(key)) + " " + DumpText(face.text) + (face.dimmed ? " dimmed " : " ") +
            Hex(std::string{char(keyboard.KeyIndex(key) >> 8), char(keyboard.KeyIndex(key))}) + "\n";
  }
  ExpectGolden("dialogs/keyboard_faces.txt", dump);
}

// A click maps the key under the shown combination; "Map a Key" maps the captured one and shows
// its combination; a cancelled capture or a key the keyboard lacks changes nothing.
TEST_F(OnScreenKeyboardTest, ClicksAndCapturesMapTheKeymapTheKeyboardEdits) {
  // index: of the entry mapped; 0 for none.
  struct Case { char const* what; bool capture; KeyboardButton::Modifier shown; std::vector<DialogStep> steps;
      int endCode;
      int index; KeyboardButton::Modifier shownAfter; };
  std::vector<DialogStep> const toCopy{Step("category", {{"name", "Menu Function"}}),
                                       Step("function", {{"name", "MENU_COPY"}}), Step("ok")};
  auto then = [&toCopy](std::vector<DialogStep> first) { return Joined({first, toCopy}); };
  for (Case const& c : std::vector<Case>{
           {"click under Shift", false, KeyboardButton::kShift, toCopy, IDOK, 0x441, KeyboardButton::kShift},
           {"click on Insert under Ctrl", false, KeyboardButton::kCtrl, toCopy, IDOK, 0x32D, KeyboardButton::kCtrl},
           {"click cancelled", false, KeyboardButton::kNone,
            {Step("category", {{"name", "Disable"}}), Step("cancel")}, IDCANCEL, 0, KeyboardButton::kNone},
           {"Ctrl alone keeps waiting, then Ctrl+A", true, KeyboardButton::kShift,
            then({Step("press", {{"scan", "29"}, {"held", "ctrl"}}),
                Step("press", {{"scan", "30"}, {"held", "ctrl"}})}),
            IDOK, 0x241, KeyboardButton::kCtrl},
           {"a captured keypad key", true, KeyboardButton::kNone, then({Step("press", {{"scan", "71"}})}), IDOK, 0x67,
            KeyboardButton::kNone},
           {"capture cancelled", true, KeyboardButton::kAlt, {Step("cancel")}, IDCANCEL, 0, KeyboardButton::kAlt},
           {"a key without a button", true, KeyboardButton::kAlt, {Step("press", {{"scan", "86"}})}, IDCANCEL, 0,
            KeyboardButton::kAlt},
       }) {
    SCOPED_TRACE(c.what);
    TestKeymap edited;
    OnScreenKeyboard keyboard(nullptr, edited);
    keyboard.SetCombination(c.shown);
    ASSERT_TRUE(dialogs.presenter.Play(DialogScript{c.steps, {}, {}}, dialogs.ui));
    size_t const clicked = keyboard.Find(c.shown == KeyboardButton::kCtrl ? 82 : 30, c.shown == KeyboardButton::kCtrl);
    EXPECT_EQ(c.capture ? keyboard.MapNextKey() : keyboard.Click(clicked), c.endCode);
    EXPECT_FALSE(dialogs.presenter.Finish().has_value()) << dialogs.presenter.GetFailure()->error;
    EXPECT_EQ(keyboard.Combination(), c.shownAfter);
    int mapped = 0;
    for (int index = 0; index < Keymap::kIndexCount; ++index)
      if (edited.GetOwnKeyCode(index)) mapped = mapped ? -1 : index;
    EXPECT_EQ(mapped, c.index);
    EXPECT_EQ(mapped > 0 ? edited.GetOwnKeyCode(mapped) : KeymapCode::MENU_COPY, KeymapCode::MENU_COPY);
    size_t mappedKeys = 0;
    for (size_t key = 0; key < keyboard.Keys().size(); ++key) mappedKeys += keyboard.IsMapped(key) ? 1 : 0;
    EXPECT_EQ(mappedKeys, c.index ? 1u : 0u);
  }
}

}  // namespace
