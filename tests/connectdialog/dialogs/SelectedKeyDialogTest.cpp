#include "dialogs/SelectedKeyDialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "database/GlobalConfig.h"
#include "database/GlobalConfigInstance.h"
#include "dialogs/KeyboardButton.h"
#include "dialogs/SelectedKeySteps.h"
#include "support/FakeKeyboardLayout.h"
#include "support/Golden.h"
#include "support/HeadlessDialogs.h"
#include "support/KeyDump.h"
#include "terminal/Keymap.h"
#include "terminal/KeymapCode.h"

namespace {

class TestKeymap : public Keymap {};

// One run of the dialog on a keymap prepared by `prepare`, played from steps and answers.
struct Case {
  char const* what;
  std::function<void(Keymap&)> prepare;
  unsigned int scanCode; bool extended; int modifiers; bool scriptingDisabled;
  std::vector<DialogStep> steps; std::vector<int> answers; std::vector<std::string> texts;
};

class SelectedKeyDialogTest : public ::testing::Test {
 protected:
  SelectedKeyDialogTest() {
    layout.Key(30, false, 'A', {"a", "\x01", "A", "\x01", "", "", "", ""});
    layout.Key(63, false, 0x74, {"", "", "", "", "", "", "", ""});
    layout.Key(82, true, 0x2D, {"", "", "", "", "", "", "", ""});
    layout.Key(14, false, 0x08, {"\b", "\x7F", "\b", "", "", "", "", ""});
    layout.Key(61, false, 0x72, {"", "", "", "", "", "", "", ""});
    SelectedKeySteps::AddTo(dialogs.presenter);
  }

  FakeKeyboardLayout layout;
  HeadlessDialogs dialogs{false, false};
  std::unique_ptr<GlobalConfig> config{CreateGlobalConfig(nullptr)};
};

void Empty(Keymap&) {}

// The golden file holds, per row, how the dialog ended, its key index, the code and value the
// keymap has there, whether it was modified, the category shown ("" if never opened) and the
// message boxes shown (the scripting warning, then the file chooser).
TEST_F(SelectedKeyDialogTest, OpensOnTheCurrentMappingAndWritesTheChoiceOnOk) {
  auto const mapped = [](int index, int code, char const* value) {
    return [=](Keymap& keymap) { keymap.SetKeyCode(index, code); keymap.SetKeyValue(index, value); };
  };
  auto const category = [](char const* name) { return Step("category", {{"name", name}}); };
  DialogStep const ok = Step("ok");
  std::vector<DialogStep> const copy{category("Menu Function"), Step("function", {{"name", "MENU_COPY"}}), ok};
  std::string dump;
  for (Case const& c : std::vector<Case>{
           {"unmapped key left on its empty suggestion", Empty, 63, false, 0, false, {ok}, {}, {}},
           {"unmapped key left on its suggestion", Empty, 30, false, 0x200, false, {ok}, {}, {}},
           {"a string typed", Empty, 63, false, 0x400, false, {Step("string", {{"value", "\\e[15~"}}), ok}, {}, {}},
           {"Ctrl+Insert to MENU_COPY", Empty, 82, true, 0x200, false, copy, {}, {}},
           {"Extended only when passed", Empty, 82, true, 0x300, false, copy, {}, {}},
           {"a function category with nothing chosen", Empty, 63, false, 0, false, {category("SSH Function"), ok}, {},
            {}},
           {"VT_F16 shown as DO", mapped(0x74, KeymapCode::VT_F16, ""), 63, false, 0, false, {ok}, {}, {}},
           {"disabled", mapped(0x74, 1, "x"), 63, false, 0, false, {category("Disable"), ok}, {}, {}},
           {"a script browsed for", Empty, 63, false, 0, false, {category("Run Script"), Step("browse"), ok}, {},
            {"/home/u/go.pl"}},
           {"cancel changes nothing", mapped(0x74, 1, "x"), 63, false, 0, false, {category("Disable"), Step("cancel")},
            {}, {}},
           {"the fallback's action shown", [](Keymap& k) { k.LoadVT220(true); }, 61, false, 0, false, {ok}, {}, {}},
           {"Default shows the default keymap's mapping", mapped(0x08, 1, "x"), 14, false, 0, false,
            {Step("default"), ok}, {}, {}},
           {"scripting disabled: Cancel before opening", mapped(0x74, 2, "a.pl"), 63, false, 0, true, {}, {IDCANCEL},
            {}},
           {"scripting disabled: OK opens on the suggestion", mapped(0x74, 2, "a.pl"), 63, false, 0, true,
            {Step("string", {{"value", "go"}}), ok}, {IDOK}, {}},
       }) {
    SCOPED_TRACE(c.what);
    HeadlessUserInterface user;
    SetUserInterface(&user);
    TestKeymap keymap;
    c.prepare(keymap);
    config->DisableAllScripting(c.scriptingDisabled);
    KeyboardButton button(c.scanCode, c.extended, "Key", 1, 0);
    ASSERT_TRUE(dialogs.presenter.Play(DialogScript{c.steps, c.answers, c.texts}, user));
    SelectedKeyDialog dialog(config.get(), &keymap, &button, c.modifiers);
    int const endCode = dialog.DoModal();
    EXPECT_FALSE(dialogs.presenter.Finish().has_value()) << dialogs.presenter.GetFailure()->error;
    int const index = dialog.KeyIndex();
    dump += std::string(c.what) + ": " + (endCode == IDOK ? "OK" : endCode == IDCANCEL ? "Cancel" : "?") + " " +
            Hex(std::string{char(index >> 8), char(index)}) + " code " + std::to_string(keymap.GetKeyCode(index)) +
            " " + DumpText(keymap.GetKeyValue(index).Str()) + (dialog.keymapWasModified() ? " modified " : " ") +
            DumpText(dialog.Controls().empty() ? "" : SelectedKeyDialog::CategoryName(dialog.CurrentCategory()));
    for (ShownDialog const& shown : user.Shown())
      dump += " | " + DumpText(shown.text) + " " + std::to_string(shown.type);
    dump += "\n";
  }
  SetUserInterface(&dialogs.ui);
  ExpectGolden("dialogs/selected_key_runs.txt", dump);
}

TEST_F(SelectedKeyDialogTest, ListsCaptionsAndTheScriptChooser) {
  TestKeymap keymap;
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
