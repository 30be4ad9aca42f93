// The key windows' parts: the keyboard's buttons, the Map Key capture, the on-screen keyboard
// and the Map Selected Key dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <sstream>
#include <tuple>
#include <utility>

#include "database/GlobalConfig.h"
#include "database/GlobalConfigInstance.h"
#include "dialogs/KeyMessage.h"
#include "dialogs/KeyModifiers.h"
#include "dialogs/KeyboardButton.h"
#include "dialogs/MappedKeysSteps.h"
#include "dialogs/NextKeyDialog.h"
#include "dialogs/NumpadButton.h"
#include "dialogs/OnScreenKeyboard.h"
#include "dialogs/SelectedKeyDialog.h"
#include "dialogs/SelectedKeySteps.h"
#include "support/CaseFile.h"
#include "support/DialogStepText.h"
#include "support/FakeKeyboardLayout.h"
#include "support/HeadlessDialogs.h"
#include "support/Joined.h"
#include "support/JoinedText.h"
#include "support/KeyDump.h"
#include "support/KeymapEntries.h"
#include "terminal/Keymap.h"
#include "terminal/KeymapCode.h"

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
  ExpectCaseFile("dialogs/key_button_states.txt", [](std::string const& input) {
    std::istringstream in(input);
    std::string key, caption;
    int combination = 0;
    in >> key >> caption >> combination;
    B const button(std::stoul(key), key.ends_with('e'), caption.c_str(), 1, 0);
    B::KeyState const& state = button.GetKeyState(B::Modifier(combination));
    return Joined(state.scanCode, state.virtualKey, DumpText(state.label),
                  DumpText(button.DefaultSendString(B::Modifier(combination))));
  });
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
  ExpectCaseFile("dialogs/key_modifiers.txt", [](std::string const& bits) {
    return Joined(mapModifiers(std::stoul(bits, nullptr, 16)), mapModifiersToString(std::stoul(bits, nullptr, 16)));
  });
}

TEST(NextKeyDialogTest, CapturesTheFirstKeyThatIsNotAModifier) {
  ExpectCaseFile("dialogs/next_key_captures.txt", [](std::string const& messages) {
    std::string const kinds[] = {"KeyDown", "SysKeyDown", "KeyUp", "SysKeyUp"};
    NextKeyDialog dialog;
    dialog.Open();
    std::istringstream in(messages);
    for (std::string kind, key, flags, held; in >> kind >> key >> flags >> held;) {
      auto const kindAt = std::find(std::begin(kinds), std::end(kinds), kind) - std::begin(kinds);
      dialog.PreTranslateMessage({KeyMessage::Kind(kindAt), unsigned(std::stoul(key, nullptr, 0)), 1,
                                  unsigned(std::stoul(flags, nullptr, 0)), unsigned(std::stoul(held, nullptr, 0))});
    }
    return Joined(!dialog.IsEnded() ? "waiting" : dialog.EndCode() == IDOK ? "OK" : "?", dialog.ScanCode(),
                  dialog.Modifiers());
  });
}

class TestKeymap : public Keymap {};

// The windows on a US layout for the keys the tests look at, with their script steps.
class KeyWindowsTest : public ::testing::Test {
 protected:
  KeyWindowsTest() {
    layout.Key(30, false, 'A', {"a", "\x01", "A", "\x01", "", "", "", ""});
    layout.Key(1, false, 0x1B, {"\x1B", "\x1B", "\x1B", "\x1B", "", "", "", ""});
    layout.Key(28, false, 0x0D, {"\r", "\n", "\r", "", "", "", "", ""});
    layout.Key(14, false, 0x08, {"\b", "\x7F", "\b", "", "", "", "", ""});
    layout.Key(57, false, 0x20, {" ", " ", " ", " ", "", "", "", ""});
    layout.Key(26, false, 0xDB, {"[", "\x1B", "{", "", "", "", "", ""});
    layout.Key(71, false, 0x24, {"7", "", "", "", "", "", "", ""});
    for (auto [scanCode, extended, virtualKey] :
         {std::tuple{59u, false, 0x70u}, {61u, false, 0x72u}, {63u, false, 0x74u}, {82u, true, 0x2Du}})
      layout.Key(scanCode, extended, virtualKey, {"", "", "", "", "", "", "", ""});
    MappedKeysSteps::AddTo(dialogs.presenter);
    SelectedKeySteps::AddTo(dialogs.presenter);
  }

  FakeKeyboardLayout layout;
  HeadlessDialogs dialogs{false, false};
  TestKeymap keymap;
  std::unique_ptr<GlobalConfig> config{CreateGlobalConfig(nullptr)};
};
using OnScreenKeyboardTest = KeyWindowsTest;
using SelectedKeyDialogTest = KeyWindowsTest;

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

// Keypad 7 under Shift is the pad's own key, not the layout's Home.
TEST_F(OnScreenKeyboardTest, LabelsFacesAndKeyIndexesFollowTheCombination) {
  OnScreenKeyboard keyboard(nullptr, keymap);
  ExpectCaseFile("dialogs/keyboard_faces.txt", [&](std::string const& input) {
    std::istringstream in(input);
    std::string key;
    int combination = 0;
    in >> key >> combination;
    keyboard.SetCombination(KeyboardButton::Modifier(combination));
    size_t const at = keyboard.Find(std::stoul(key), key.ends_with('e'));
    if (at >= keyboard.Keys().size()) return std::string("no such key");
    OnScreenKeyboard::Face const face = keyboard.FaceOf(at);
    return DumpText(keyboard.Label(at)) + " " + DumpText(face.text) + (face.dimmed ? " dimmed " : " ") +
           Hex(std::string{char(keyboard.KeyIndex(at) >> 8), char(keyboard.KeyIndex(at))});
  });
}

// A click maps the key under the shown combination; "Map a Key" maps the captured one and shows
// its combination; a cancelled capture or a key the keyboard lacks changes nothing.
TEST_F(OnScreenKeyboardTest, ClicksAndCapturesMapTheKeymapTheKeyboardEdits) {
  ExpectCaseFile("dialogs/keyboard_clicks.txt", [&](std::string const& input) {
    std::istringstream in(input.substr(0, input.find(", ")));
    std::string action, key;
    int combination = 0;
    in >> action >> combination >> key;
    DialogScript script;
    for (size_t at = input.find(", "), end; at != std::string::npos; at = end) {
      end = input.find(", ", at + 2);
      script.steps.push_back(StepFromText(input.substr(at + 2, end - at - 2)));
    }
    TestKeymap edited;
    OnScreenKeyboard keyboard(nullptr, edited);
    keyboard.SetCombination(KeyboardButton::Modifier(combination));
    EXPECT_TRUE(dialogs.presenter.Play(script, dialogs.ui));
    int const endCode = action == "capture" ? keyboard.MapNextKey()
                                            : keyboard.Click(keyboard.Find(std::stoul(key), key.ends_with('e')));
    EXPECT_FALSE(dialogs.presenter.Finish().has_value()) << dialogs.presenter.GetFailure()->error;
    size_t marked = 0;
    for (size_t at = 0; at < keyboard.Keys().size(); ++at) marked += keyboard.IsMapped(at) ? 1 : 0;
    return Joined(endCode == IDOK ? "OK" : endCode == IDCANCEL ? "Cancel" : std::to_string(endCode),
                  keyboard.Combination(), JoinedText(OwnEntries(edited), "; "), std::to_string(marked) + " marked");
  });
}

TEST_F(SelectedKeyDialogTest, OpensOnTheCurrentMappingAndWritesTheChoiceOnOk) {
  ExpectCaseFile("dialogs/selected_key_runs.txt", [&](std::string const& input) {
    HeadlessUserInterface user;
    SetUserInterface(&user);
    TestKeymap edited;
    DialogScript script;
    std::string key;
    int modifiers = 0;
    bool scriptingDisabled = false;
    for (size_t at = 0, end; at < input.find(" # "); at = end + 2) {
      end = std::min(input.find(", ", at), input.find(" # "));
      std::string const item = input.substr(at, end - at), word = item.substr(0, item.find(' '));
      std::string const quoted = item.find('"') == std::string::npos ? "" : UnquotedText(item.substr(item.find('"')));
      std::istringstream in(item.substr(word.size()));
      std::string index, code;
      if (word == "key") {
        in >> key >> code;
        modifiers = std::stoi(code, nullptr, 0);
      } else if (word == "mapped" && in >> index >> code) {
        edited.SetKeyCode(std::stoi(index, nullptr, 0), std::stoi(code));
        edited.SetKeyValue(std::stoi(index, nullptr, 0), quoted);
      } else if (word == "vt220") edited.LoadVT220(true);
      else if (word == "scripting-disabled") scriptingDisabled = true;
      else if (word == "answer") script.answers.push_back(item.ends_with("IDOK") ? IDOK : IDCANCEL);
      else if (word == "file") script.texts.push_back(quoted);
      else script.steps.push_back(StepFromText(item));
    }
    config->DisableAllScripting(scriptingDisabled);
    KeyboardButton button(std::stoul(key), key.ends_with('E'), "Key", 1, 0);
    EXPECT_TRUE(dialogs.presenter.Play(script, user));
    SelectedKeyDialog dialog(config.get(), &edited, &button, modifiers);
    int const endCode = dialog.DoModal();
    EXPECT_FALSE(dialogs.presenter.Finish().has_value()) << dialogs.presenter.GetFailure()->error;
    int const index = dialog.KeyIndex();
    char const* category = dialog.Controls().empty() ? "" : SelectedKeyDialog::CategoryName(dialog.CurrentCategory());
    std::string answer = std::string(endCode == IDOK ? "OK " : endCode == IDCANCEL ? "Cancel " : "? ") +
                         Hex(std::string{char(index >> 8), char(index)}) + " code " +
                         std::to_string(edited.GetKeyCode(index)) + " " + DumpText(edited.GetKeyValue(index).Str()) +
                         (dialog.keymapWasModified() ? " modified " : " ") + DumpText(category);
    for (ShownDialog const& shown : user.Shown())
      answer += " | " + DumpText(shown.text) + " " + std::to_string(shown.type);
    SetUserInterface(&dialogs.ui);
    return answer;
  });
}

TEST_F(SelectedKeyDialogTest, ListsCaptionsAndTheScriptChooser) {
  KeyboardButton button(30, false, "A", 1, 0);
  SelectedKeyDialog dialog(config.get(), &keymap, &button, 0xE00);
  dialog.Open();
  auto const choices = [&](int id) { return dialog.FindControl(id)->choices; };
  EXPECT_EQ(choices(SelectedKeyDialog::kCategoryList),
            (std::vector<std::string>{"Send String", "Menu Function", "Scrollbar Function", "Telnet Function",
                                      "VT Function", "SSH Function", "Run Script", "Disable"}));
  EXPECT_EQ(choices(SelectedKeyDialog::kMenuList).size(), 65u);
  EXPECT_EQ(choices(SelectedKeyDialog::kMenuList).back(), "MENU_WINDOW_0");
  EXPECT_EQ(choices(SelectedKeyDialog::kScrollbarList).front(), "SB_LINE_UP");
  EXPECT_EQ(choices(SelectedKeyDialog::kTelnetList).size(), 5u);
  EXPECT_EQ(choices(SelectedKeyDialog::kSshList).back(), "SSH_FLUSH_AGENT");
  std::vector<std::string> const vt = choices(SelectedKeyDialog::kVtList);
  ASSERT_EQ(vt.size(), 46u);
  EXPECT_EQ(vt[126 - 92], "VT_F15 (HELP)");
  EXPECT_EQ(vt[127 - 92], "VT_F16 (DO)");
  EXPECT_EQ(dialog.FindControl(SelectedKeyDialog::kKeyCaption)->value, "Alt-Ctrl-Shift-VK_A");

  std::string error;
  EXPECT_FALSE(dialog.Command(SelectedKeyDialog::kBrowseButton, error));
  EXPECT_EQ(error, "control 1004 is hidden");
  ASSERT_TRUE(dialog.SetControl(SelectedKeyDialog::kCategoryList, "Run Script", error));
  EXPECT_FALSE(dialog.FindControl(SelectedKeyDialog::kDefaultButton)->visible);
  EXPECT_EQ(dialog.FindControl(SelectedKeyDialog::kCategoryLabel)->value, "Run Script");
  EXPECT_TRUE(dialog.Command(SelectedKeyDialog::kBrowseButton, error));
  ASSERT_EQ(dialogs.ui.Shown().size(), 1u);
  ShownDialog const& chooser = dialogs.ui.Shown()[0];
  EXPECT_EQ(chooser.kind, ShownDialog::Kind::OpenFile);
  EXPECT_EQ(chooser.caption, "Select Script File");
  EXPECT_EQ(chooser.defaultExtension, "*.vbs; *.js; *.pl");
  EXPECT_EQ(chooser.text, "Script Files (*.vbs;*.js;*.pl)|*.vbs;*.js;*.pl|All Files (*.*)|*.*||");

  config->DisableAllScripting(true);
  dialog.Open();
  EXPECT_EQ(choices(SelectedKeyDialog::kCategoryList).size(), 7u);
  EXPECT_FALSE(dialog.SetControl(SelectedKeyDialog::kCategoryList, "Run Script", error));
  EXPECT_EQ(error, "\"Run Script\" is not a choice of control 1001");
}

}  // namespace
