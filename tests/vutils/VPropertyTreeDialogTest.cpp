// The property-tree dialog driven through its commands alone, on pages of its own and on the
// framework's demonstration dialog; and the colour and path controls pages declare: the colour
// texts each form takes and gives back, and the browse buttons through the user interface's chooser.
#include <gtest/gtest.h>

#include <cstdio>

#include "VPageControls.h"
#include "VPropertyTreeDemoDialog.h"
#include "platform/types/UserInterfaceCodes.h"
#include "platform/types/VirtualKeys.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "support/CaseFile.h"

namespace {

using Form = VColorText::Form;
using Labels = std::vector<std::string>;

// A page that counts how often it is asked to be left and may refuse.
struct CountingPage : VPropertyTreePage {
  using VPropertyTreePage::VPropertyTreePage;
  bool OnKillActive() override { ++killed; return !refuseToLeave; }
  int killed = 0;
  bool refuseToLeave = false;
};

// General > (Appearance > Colors), Terminal, Logging: fresh pages each time, as a dialog owner
// makes them for every run.
struct Pages {
  CountingPage general{1, "General"}, appearance{2, "Appearance"}, colors{3, "Colors"};
  CountingPage terminal{4, "Terminal"}, logging{5, "Logging"};
  Pages() {
    general.AddChildPage(&appearance);
    appearance.AddChildPage(&colors);
  }
};

class PropertyTreeTest : public ::testing::Test {
 protected:
  PropertyTreeTest() { SetUserInterface(&ui); }
  ~PropertyTreeTest() override { SetUserInterface(nullptr); }
  static Labels Items(VPropertyTreeDialog const& dialog, bool visibleOnly) {
    Labels labels;
    VTreeControl const& tree = dialog.Tree();
    for (VTreeItem item : visibleOnly ? tree.VisibleItems() : tree.AllItems()) labels.push_back(tree.Label(item));
    return labels;
  }
  static std::string Current(VPropertyTreeDialog const& dialog) {
    return dialog.CurrentPage() ? dialog.CurrentPage()->Label() : "";
  }
  std::unique_ptr<VPropertyTreeDialog> Dialog(Pages& with, bool open = true) {
    auto dialog = std::make_unique<VPropertyTreeDialog>("Options", VPropertyTreeIds{100, 1000, 1010, 1011}, nullptr,
                                                         &map);
    for (VPropertyTreePage* page : {&with.general, &with.terminal, &with.logging}) dialog->AddPage(page);
    if (open) dialog->Open();
    return dialog;
  }

  HeadlessUserInterface ui;
  VPropertyPageStateMap map;
  Pages pages;
};

TEST_F(PropertyTreeTest, TitlesSplitAtTheLineFeedIntoLabelAndCaption) {
  ExpectCaseFile("vutils/page_titles.txt", [](std::string const& input) {
    std::string title = input.substr(input.find('"') + 1, input.rfind('"') - input.find('"') - 1);
    if (size_t const feed = title.find("\\n"); feed != std::string::npos) title.replace(feed, 2, "\n");
    VPropertyTreePage page(7, input.substr(0, input.find(' ')));
    page.SetTitle(title);
    VPropertyTreeDialog dialog("Options", {}, nullptr, nullptr);
    dialog.AddPage(&page);
    dialog.Open();
    return "label \"" + dialog.Tree().Label(page.TreeItem()) + "\", caption \"" + dialog.CaptionText() + "\"";
  });
}

TEST_F(PropertyTreeTest, ReopeningSelectsTheChildLeftSelectedUnderItsExpandedParent) {
  {
    Pages first;
    auto dialog = Dialog(first);
    EXPECT_EQ(Current(*dialog), "General");
    EXPECT_EQ(Items(*dialog, true), (Labels{"General", "Appearance", "Colors", "Terminal", "Logging"}));
    ASSERT_TRUE(dialog->ExpandItem(first.general.TreeItem(), false));
    ASSERT_TRUE(dialog->ExpandItem(first.general.TreeItem(), true));
    ASSERT_TRUE(dialog->ExpandItem(first.appearance.TreeItem(), false));
    ASSERT_TRUE(dialog->SelectItem(first.appearance.TreeItem()));
    dialog->OnCancel();
  }
  auto dialog = Dialog(pages);
  EXPECT_EQ(Current(*dialog), "Appearance");
  EXPECT_TRUE(dialog->Tree().Selected() == pages.appearance.TreeItem() && !pages.general.IsSelected());
  EXPECT_TRUE(dialog->Tree().IsExpanded(pages.general.TreeItem()));
  EXPECT_FALSE(dialog->Tree().IsExpanded(pages.appearance.TreeItem())) << "the collapse is remembered too";
  EXPECT_TRUE(map.GetCount() == 5 && map.Lookup("Appearance")->selected);
  EXPECT_EQ(map.Lookup("appearance"), nullptr) << "keys compare case-sensitively";
}

TEST_F(PropertyTreeTest, StartOnFirstPageOverridesTheRememberedSelection) {
  map.SetAt("Colors", {true, true});
  auto dialog = Dialog(pages, false);
  dialog->SetStartOnFirstPage(true);
  dialog->Open();
  EXPECT_EQ(Current(*dialog), "General");
  EXPECT_FALSE(pages.colors.IsSelected() || map.Lookup("Colors")->selected);
  EXPECT_TRUE(dialog->TreeHasFocus());
}

TEST_F(PropertyTreeTest, CtrlKeysWalkTheVisibleItemsAndWrapAround) {
  auto dialog = Dialog(pages);
  dialog->ExpandItem(pages.appearance.TreeItem(), false);
  ExpectCaseFile("vutils/tree_keys.txt", [&](std::string const& input) {
    std::string const key = input.substr(0, input.find(' '));
    EXPECT_TRUE(dialog->SelectItem(dialog->FindItem(input.substr(key.size() + 1))));
    int const code = key.ends_with("PgDn") ? VK_NEXT : key.ends_with("PgUp") ? VK_PRIOR : VK_TAB;
    EXPECT_TRUE(dialog->OnKey(code, true, key.find("Shift") != std::string::npos, false)) << input;
    return Current(*dialog);
  });
  EXPECT_FALSE(dialog->OnKey(VK_NEXT, false, false, false)) << "without Ctrl the key is the dialog's";
  EXPECT_FALSE(dialog->OnKey(VK_RETURN, true, false, false)) << "Ctrl+Enter is not a tree key";
  EXPECT_EQ(Current(*dialog), "Appearance");
}

TEST_F(PropertyTreeTest, APageThatRefusesCannotBeLeftByClickKeyOrOk) {
  auto dialog = Dialog(pages);
  pages.general.refuseToLeave = true;
  EXPECT_FALSE(dialog->SelectItem(pages.terminal.TreeItem()));
  EXPECT_TRUE(dialog->OnKey(VK_TAB, true, false, false));
  dialog->OnOK();
  EXPECT_FALSE(dialog->IsEnded());
  EXPECT_TRUE(Current(*dialog) == "General" && dialog->Tree().Selected() == pages.general.TreeItem());
  EXPECT_EQ(pages.general.killed, 3);
  pages.general.refuseToLeave = false;
  dialog->OnOK();
  EXPECT_EQ(dialog->EndCode(), IDOK);
}

TEST_F(PropertyTreeTest, HidingTheCurrentPageSelectsTheFirstRootWithoutValidating) {
  auto dialog = Dialog(pages);
  ASSERT_TRUE(dialog->SelectItem(pages.terminal.TreeItem()));
  pages.terminal.refuseToLeave = true;
  int const asked = pages.terminal.killed;
  dialog->HidePage(&pages.terminal);
  EXPECT_EQ(pages.terminal.killed, asked);
  EXPECT_EQ(Current(*dialog), "General");
  EXPECT_TRUE(pages.terminal.TreeItem() == 0 && !pages.terminal.IsSelected());
  EXPECT_EQ(Items(*dialog, false), (Labels{"General", "Appearance", "Colors", "Logging"}));
  // Hiding the first root while a child of it is current moves on to the next root.
  ASSERT_TRUE(dialog->SelectItem(pages.colors.TreeItem()));
  dialog->HidePage(&pages.general);
  EXPECT_EQ(Current(*dialog), "Logging");
  EXPECT_EQ(Items(*dialog, false), (Labels{"Logging"}));
}

TEST_F(PropertyTreeTest, ShowPagePutsAPageBackAtItsPlaceAndAReplacementDoesNotTakeTheSelection) {
  auto dialog = Dialog(pages);
  dialog->ShowPage(&pages.terminal);  // already in the tree: nothing happens
  dialog->HidePage(&pages.terminal);
  dialog->HidePage(&pages.appearance);
  dialog->ShowPage(&pages.terminal);
  EXPECT_EQ(Items(*dialog, false), (Labels{"General", "Terminal", "Logging"}));
  dialog->ShowPage(&pages.colors);  // its parent is out of the tree
  dialog->ShowPage(&pages.appearance);
  EXPECT_EQ(Items(*dialog, false), (Labels{"General", "Appearance", "Colors", "Terminal", "Logging"}));
  EXPECT_TRUE(dialog->Tree().IsExpanded(pages.general.TreeItem()));
  // A page shown as a replacement does not take the selection.
  ASSERT_TRUE(dialog->SelectItem(pages.logging.TreeItem()));
  dialog->HidePage(&pages.logging);
  map.Lookup("Logging")->selected = true;
  dialog->SetReplacingPages(true);
  dialog->ShowPage(&pages.logging);
  EXPECT_TRUE(Current(*dialog) == "General" && !map.Lookup("Logging")->selected);
}

TEST_F(PropertyTreeTest, InterfaceAddsRemovesAndIgnoresOperationFour) {
  VPropertyTreeDialog dialog("Options", {}, nullptr, &map);
  IPropertyTreeDialog& host = dialog;
  for (VPropertyTreePage* page : {&pages.terminal, &pages.logging, &pages.terminal}) host.AddPage(page);
  host.RemovePage(&pages.terminal);
  host.Reserved(0xFFFFFFFF);
  EXPECT_EQ(dialog.Pages(), (std::vector<VPropertyTreePage*>{&pages.logging, &pages.terminal}));
  EXPECT_EQ(host.GetPageStateMap(), &map);
}

// The demonstration's controls move values into its settings only when they are valid.
class PropertyTreeDemoTest : public PropertyTreeTest {
 protected:
  PropertyTreeDemoTest() { VPropertyTreeDemoDialog::DeleteStateMap(); }
  ~PropertyTreeDemoTest() override { VPropertyTreeDemoDialog::DeleteStateMap(); }
  VPropertyTreeDemoSettings settings;
  VPropertyTreeDemoDialog dialog{settings};
  std::string error;
};

TEST_F(PropertyTreeDemoTest, NumbersOutsideTheirRangeKeepThePageAndTheSettings) {
  dialog.Open();
  ASSERT_TRUE(dialog.SelectItem(dialog.FindItem("Terminal")));
  EXPECT_EQ(dialog.CaptionText(), "  Terminal Size");
  std::string const range = "Please enter an integer between 132 and 1024.", integer = "Please enter an integer.";
  for (auto const& [value, message] : std::vector<std::pair<char const*, std::string>>{
           {"131", range}, {"1025", range}, {"12x", integer}, {"", integer}, {"99999999999999999999", integer}}) {
    ASSERT_TRUE(dialog.SetControl(VPropertyTreeDemoDialog::kMaximumColumns, value, error)) << error;
    ASSERT_TRUE(dialog.SetControl(VPropertyTreeDemoDialog::kScrollbackLines, "10", error));
    dialog.OnOK();
    EXPECT_FALSE(dialog.IsEnded());
    EXPECT_FALSE(dialog.SelectItem(dialog.FindItem("Logging")));
    EXPECT_TRUE(ui.Shown().back().text == message && ui.Shown().back().type == (MB_OK | MB_ICONWARNING));
    EXPECT_EQ(dialog.CurrentPage()->FocusControl(), VPropertyTreeDemoDialog::kMaximumColumns);
    EXPECT_FALSE(settings.IsModified()) << value;
  }
  for (char const* edge : {"132", "1024"}) {
    ASSERT_TRUE(dialog.SetControl(VPropertyTreeDemoDialog::kMaximumColumns, edge, error));
    EXPECT_TRUE(dialog.SelectItem(dialog.FindItem("Logging"))) << edge;
    ASSERT_TRUE(dialog.SelectItem(dialog.FindItem("Terminal")));
  }
  EXPECT_TRUE(settings.maximumColumns == 1024 && settings.scrollbackLines == 10);
  ASSERT_TRUE(dialog.Command(VPropertyTreeDemoDialog::kDefaults, error));
  EXPECT_EQ(dialog.CurrentPage()->Control(VPropertyTreeDemoDialog::kMaximumColumns)->value, "132");
  dialog.OnCancel();
  EXPECT_EQ(dialog.EndCode(), IDCANCEL);
  EXPECT_FALSE(settings.IsModified()) << "Cancel puts the settings back";
}

TEST_F(PropertyTreeDemoTest, ControlsRefuseWhatTheyCannotTake) {
  dialog.Open();
  EXPECT_EQ(VPropertyTreeDemoDialog::PageStateMap().GetCount(), 5);
  EXPECT_FALSE(dialog.SetControl(VPropertyTreeDemoDialog::kAudibleBell, "maybe", error));
  EXPECT_FALSE(dialog.SetControl(4242, "x", error));
  EXPECT_EQ(error, "page \"General\" has no control 4242");
  EXPECT_FALSE(dialog.Command(VPropertyTreeDemoDialog::kSessionName, error));
  ASSERT_TRUE(dialog.SelectItem(dialog.FindItem("Logging")));
  EXPECT_FALSE(dialog.SetControl(VPropertyTreeDemoDialog::kLogFile, "a.log", error));
  EXPECT_EQ(error, "control 1402 is disabled");
  ASSERT_TRUE(dialog.SetControl(VPropertyTreeDemoDialog::kLogSession, "on", error));
  EXPECT_EQ(dialog.CurrentPage()->Control(VPropertyTreeDemoDialog::kLogSession)->value, "true");
  ASSERT_TRUE(dialog.SetControl(VPropertyTreeDemoDialog::kLogFile, "a.log", error)) << error;
  ASSERT_TRUE(dialog.Command(IDOK, error));
  EXPECT_EQ(dialog.EndCode(), IDOK);
  EXPECT_TRUE(settings.logSession && settings.logFile.Str() == "a.log");
  VPropertyTreeDemoDialog::DeleteStateMap();
  EXPECT_EQ(VPropertyTreeDemoDialog::PageStateMap().GetCount(), 0);
}

TEST(VColorTextTest, EachFormTakesItsOwnTextAndGivesItBackByteForByte) {
  ExpectCaseFile("vutils/color_texts.txt", [](std::string const& input) {
    Form const form = input.starts_with("Rgb") ? Form::Rgb : Form::Number;
    std::string const text = input.substr(input.find('"') + 1, input.rfind('"') - input.find('"') - 1);
    COLORREF color = 0xABCDEF;
    bool const taken = VColorText::Parse(form, text, color);
    char hex[16];
    std::snprintf(hex, sizeof hex, "%06lX", static_cast<unsigned long>(color));
    VPageControl control = VPageControls::Color(1, "C&olor:", "", form);
    std::string error, message;
    EXPECT_TRUE(control.Accepts(text, error)) << "refused only when the page is left";
    control.Take(text);
    bool const kept = control.Validate(message);
    return (taken ? "taken " + std::string(hex) + ", written " + VColorText::Format(form, color)
                  : "refused, colour left " + std::string(hex)) +
           (kept ? "; the field keeps it" : "; the field refuses it") + (message.empty() ? "" : ": " + message);
  });
  EXPECT_EQ(VColorText::Format(Form::Number, 0xFF123456), "1193046");  // the high byte is no colour
}

class PathFieldTest : public PropertyTreeTest {
 protected:
  VPropertyTreePage page{1, "Files",
                         {VPageControls::Check(10, "&Log", ""),
                          VPageControls::File(11, "&File:", "", 12, "Pick a log", "Logs (*.log)|*.log||"),
                          VPageControls::Folder(13, "F&older:", "", 14, "Pick a folder"),
                          VPageControls::WithEnabledBy(VPageControls::File(15, "&Other:", "", 16, "Other"), 10)}};
};

TEST_F(PathFieldTest, BrowseButtonsAskTheChooserOfTheirKindAndFillTheirField) {
  page.OnSetActive();
  std::string error;
  ASSERT_TRUE(page.SetControl(11, "/var/old.log", error));
  ui.SeparateTexts();
  ui.ScriptText("/var/new.log");
  ASSERT_TRUE(page.Command(12, error)) << error;
  ui.ScriptText("/srv/data");
  ASSERT_TRUE(page.Command(14, error)) << error;
  EXPECT_EQ(page.FocusControl(), 13);  // the field filled, as if typed
  ASSERT_TRUE(page.Command(14, error));  // cancelled: nothing scripted
  ASSERT_EQ(ui.Shown().size(), 3u);
  auto const& shown = ui.Shown();
  EXPECT_TRUE(shown[0].kind == ShownDialog::Kind::OpenFile && shown[1].kind == ShownDialog::Kind::Folder);
  EXPECT_EQ(shown[0].caption + "|" + shown[0].text + "|" + shown[0].initial,
            "Pick a log|Logs (*.log)|*.log|||/var/old.log");
  EXPECT_EQ(shown[1].caption + "|" + shown[2].initial, "Pick a folder|/srv/data");
  EXPECT_EQ(page.Control(11)->value + "|" + page.Control(13)->value, "/var/new.log|/srv/data");
}

TEST_F(PathFieldTest, BrowseIdsAreButtonsOnlyWhileTheirFieldIsUsable) {
  page.OnSetActive();
  std::pair<int, std::string> const refusals[] = {
      {16, "control 15 is disabled"}, {11, "control 11 is not a button"}, {99, "page \"Files\" has no control 99"}};
  std::string error;
  for (auto const& [id, refusal] : refusals) {
    EXPECT_FALSE(page.Command(id, error)) << id;
    EXPECT_EQ(error, refusal) << id;
  }
  EXPECT_FALSE(page.SetControl(12, "/x", error));  // a browse button holds no text
  ASSERT_TRUE(page.SetControl(10, "true", error));
  EXPECT_TRUE(page.Command(16, error)) << error;
  EXPECT_TRUE(ui.Shown().size() == 1u && ui.Shown()[0].caption == "Other");
}

}  // namespace
