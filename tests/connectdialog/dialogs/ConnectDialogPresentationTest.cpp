// What the Connect dialog gives a front end to draw: descriptions as tooltips cut to their
// buffer, the toolbar and its tooltips, both context menus with their states, the window's size
// and placement; and the desktop shortcut it writes.
#include <gtest/gtest.h>

#include "connectdialog/dialogs/ConnectDialogWorld.h"
#include "platform/shell/DesktopShortcut.h"
#include "platform/shell/ExecutableFolder.h"
#include "platform/ui/HeadlessDialogPresenter.h"
#include "session/ConnectProtocolTable.h"
#include "support/DialogSteps.h"
#include "support/RegisterProtocolRow.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace {

using Dialog = ConnectDialog;

TEST(ConnectDialogTooltipTest, ALongDescriptionIsCutToEndInAnEllipsis) {
  std::string const e = "\xC3\xA9";  // one character, two bytes
  struct Case { std::string text; size_t bytes; std::string shown; };
  for (Case const& c : {Case{"abc", 1024, "abc"}, {std::string(1023, 'a'), 1024, std::string(1023, 'a')},
                        {std::string(1024, 'a'), 1024, std::string(1020, 'a') + "..."},
                        {std::string(1019, 'a') + e + "bbbb", 1024, std::string(1019, 'a') + "..."},
                        {std::string(1018, 'a') + e + "bbbb", 1024, std::string(1018, 'a') + e + "..."},
                        {"abcdef", 4, "..."}, {"abc", 4, "abc"}, {"abcdef", 3, ""}})
    EXPECT_EQ(Dialog::FitTooltip(c.text, c.bytes), c.shown) << c.text.size() << " in " << c.bytes;
}

class ConnectDialogPresentationTest : public ConnectDialogWorld {
 protected:
  // A terminal host's table with the SSH2 plug-in, so that sessions have a connection.
  ConnectDialogPresentationTest() {
    GetConnectProtocolTable().RemoveAll();
    EXPECT_TRUE(RegisterProtocolRow(BUILT_HOST_BASE_DIR, 4, 3));
    AddFolder("", "Lab");
    AddSession("Lab", "core1");
    ISessionConfig* session = SessionDatabase(0).Lookup("Lab\\core1");
    static_cast<SessionConfig*>(session)->description.SetText(std::string(2000, 'd'));
    SessionDatabase(0).Save(session, false);
    session->Release();
  }
  ~ConnectDialogPresentationTest() override { GetConnectProtocolTable().RemoveAll(); }
  std::string States(std::vector<Dialog::MenuEntry> const& menu) {
    std::string text;
    for (Dialog::MenuEntry const& entry : menu)
      text += std::to_string(entry.id) + (entry.id == 0 ? "" : entry.enabled ? "+" : "-") +
              (entry.checked ? "v " : " ");
    return text;
  }
};

TEST_F(ConnectDialogPresentationTest, DescriptionsShowOnlyWhenOnAndNothingElseIsGoingOn) {
  dialog.Open();
  Expand("Lab");
  std::string const tip = dialog.Tooltip("Lab\\core1");
  EXPECT_EQ(tip.size(), 1023u);
  EXPECT_TRUE(tip.starts_with("Hostname: \nddd")) << tip.substr(0, 20);
  EXPECT_TRUE(tip.ends_with("ddd...")) << tip.substr(1000);
  EXPECT_EQ(dialog.Tooltip("Lab"), "") << "folders have none";
  Run(Dialog::kShowDescriptions);
  EXPECT_EQ(static_cast<int>(config->showDetailsOnConnectDialog), 0);
  EXPECT_EQ(dialog.Tooltip("Lab\\core1"), "") << "descriptions turned off";
  Run(Dialog::kShowDescriptions);
  Do(dialog, &Dialog::BeginDrag, "Lab");
  EXPECT_EQ(dialog.Tooltip("Lab\\core1"), "") << "not while dragging";
  dialog.DragLeave();
  Select("Lab\\core1");
  Run(Dialog::kRename);
  EXPECT_EQ(dialog.Tooltip("Lab\\core1"), "") << "not while a label is edited";
}

TEST_F(ConnectDialogPresentationTest, ToolbarAndContextMenusFollowTheSelection) {
  dialog.Open();
  Expand("Lab");
  EXPECT_EQ(dialog.ToolbarButtons(),
            (std::vector<int>{2000, 2001, 0, 2008, 0, 2003, 2004, 2005, 0, 2006, 2002, 0, 2007, 0, 2009, 0, 2010}));
  EXPECT_EQ(dialog.ToolbarTooltip(2009), "Create Shortcut");
  EXPECT_EQ(dialog.ToolbarTooltip(2111), "") << "not a button";
  EXPECT_EQ(dialog.Label(2106), "&Delete\tDel");
  EXPECT_EQ(dialog.Prompt(2104), "Copy the selected session or folder.\nCopy");
  EXPECT_EQ(dialog.Prompt(2111), "Sort folders and sessions alphabetically") << "what the toggle would do";

  EXPECT_EQ(dialog.ContextMenuName(), "PopupFolder");
  EXPECT_EQ(States(dialog.ContextMenu()),
            "32924+ 2101+ 0 2103- 2104- 2105- 0 2106- 32922- 0 2107+ 2120+ 0 2111+v 32771+v ") << "the root";
  Select("Lab\\core1");
  Run(Dialog::kCopy);
  Run(Dialog::kShowDescriptions);
  EXPECT_EQ(dialog.ContextMenuName(), "PopupSession");
  EXPECT_EQ(States(dialog.ContextMenu()),
            "32772- 32773- 32774- 0 32924+ 2101+ 0 2103+ 2104+ 2105+ 0 2106+ 32922+ 2102+ 0 2107+ 2120+ 2109+ 0 "
            "2111+v 32771+ ")
      << "no host is installed to connect with";

  auto browser = Dialog::Browser("Pick", "Lab\\core1");
  browser->Open();
  EXPECT_EQ(browser->ToolbarButtons().front(), 2008);
  EXPECT_EQ(browser->Label(Dialog::kConnectButton), "OK");
  EXPECT_EQ(browser->Label(Dialog::kCloseButton), "Cancel");
  for (std::string const connect : {"32772", "32773", "32774", "32924"})
    EXPECT_EQ(States(browser->ContextMenu()).find(connect), std::string::npos) << "no connect entries when browsing";
}

// Each check box shown or hidden, with its option's value when it has one.
TEST_F(ConnectDialogPresentationTest, TheCheckBoxesShowTheirOptionsUnlessHidden) {
  config->showConnectDialog = 1;
  config->openSessionsInTab = false;
  Dialog noTab{"Connect", false, true};
  std::unique_ptr<Dialog> const browser = Dialog::Browser("Pick", "Lab");
  std::string boxes;
  for (Dialog* shown : {&dialog, &noTab, browser.get()}) {
    shown->Open();
    for (int id : {Dialog::kShowOnStartup, Dialog::kOpenInTab}) {
      std::optional<bool> const checked = shown->ControlChecked(id);
      boxes += (shown->IsControlShown(id) ? "shown" : "hidden") + (checked ? " " + std::to_string(*checked) : "") + ",";
    }
  }
  EXPECT_EQ(boxes, "shown 1,shown 0,shown 1,hidden,hidden,hidden,");
  std::string error;
  ASSERT_TRUE(dialog.SetControl(Dialog::kOpenInTab, "1", error)) << error;
  EXPECT_EQ(dialog.ControlChecked(Dialog::kOpenInTab), true);
}

TEST_F(ConnectDialogPresentationTest, TheSizeComesFromThePlacementStoredOnClosing) {
  EXPECT_EQ(Dialog::MinimumSize(100).width, 225);
  EXPECT_EQ(Dialog::MinimumSize(220).width, 236);
  EXPECT_EQ(Dialog::MinimumSize(220).height, 125);
  dialog.Open();
  bool dialogUnits = false;
  Dialog::Size size = dialog.InitialSize(dialogUnits);
  EXPECT_TRUE(dialogUnits);
  EXPECT_EQ(size.width * 1000 + size.height, 250215);
  WINDOWPLACEMENT placement{sizeof(WINDOWPLACEMENT), 0, 1, {-1, -1}, {-1, -1}, {10, 20, 610, 420}};
  dialog.SetPlacement(placement);
  dialog.OnCancel();
  EXPECT_EQ(std::memcmp(&config->connectDialogSize.Current(), &placement, sizeof placement), 0);
  Dialog again("Connect", false, false);
  again.Open();
  size = again.InitialSize(dialogUnits);
  EXPECT_FALSE(dialogUnits);
  EXPECT_EQ(size.width * 1000 + size.height, 600400);
}

TEST_F(ConnectDialogPresentationTest, CreatesADesktopShortcutThatOpensTheSession) {
  TempFolder home;
  ScopedEnv homeVariable("HOME", home.Path().c_str());
  HeadlessDialogPresenter presenter;
  SetDialogPresenter(&presenter);
  // The names typed for the three shortcuts asked for: the last one cancelled.
  std::vector<DialogStep> const names{Set(1000, "My core"), Step("ok"), Set(1000, "../escape"), Step("ok"),
      Step("cancel")};
  ASSERT_TRUE(presenter.Play(DialogScript{Numbered(names), {}, {}}, ui));
  dialog.Open();
  Expand("Lab");
  Select("Lab\\core1");
  Run(Dialog::kCreateShortcut);
  std::string const file = home / "Desktop/My core.desktop";
  EXPECT_EQ(ReadFileBytes(file), DesktopShortcut::Text("My core", ExecutablePath(), {"/S", "Lab\\core1"}));
  EXPECT_NE(ReadFileBytes(file).find(" /S \"Lab\\\\\\\\core1\"\n"), std::string::npos);
  EXPECT_TRUE(Messages().empty());
  Key("Alt+E");
  EXPECT_EQ(Messages(), (std::vector<std::string>{"ERROR: creation of shortcut failed"}));
  Run(Dialog::kMenuCreateShortcut);
  EXPECT_TRUE(Messages().empty()) << "cancelled";
  EXPECT_FALSE(std::filesystem::exists(home / "escape.desktop"));
  Select("Lab");
  EXPECT_FALSE(dialog.IsEnabled(Dialog::kCreateShortcut)) << "for sessions only";
  SetDialogPresenter(nullptr);
}

}  // namespace
