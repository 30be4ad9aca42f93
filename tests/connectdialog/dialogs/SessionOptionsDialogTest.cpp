#include "dialogs/SessionOptionsDialog.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "VOptionList.h"
#include "VOptionText.h"
#include "VPropertyTreeSteps.h"
#include "connectdialog/session/PluginFolder.h"
#include "database/GlobalConfig.h"
#include "dialogs/MappedKeysSteps.h"
#include "dialogs/OnScreenKeyboard.h"
#include "dialogs/SelectedKeySteps.h"
#include "dialogs/SessionConnectPage.h"
#include "dialogs/SessionMappedKeysPage.h"
#include "dialogs/SessionPrintingPage.h"
#include "library/LibraryState.h"
#include "library/ProductInfo.h"
#include "platform/ui/DialogPresenter.h"
#include "platform/ui/HeadlessDialogPresenter.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "platform/ui/UserInterface.h"
#include "session/ConnectProtocolTable.h"
#include "session/SessionConfig.h"
#include "support/DialogSteps.h"
#include "support/FakeKeyboardLayout.h"
#include "support/KeyDump.h"
#include "support/RegisterProtocolRow.h"
#include "terminal/KeymapCode.h"
#include "vutils/MemoryKey.h"

namespace {

// What the plug-ins' page callbacks were asked, in order: "show SSH2", "hide SFTP" ...
std::vector<std::string> calls;

template <int Index>
void ShowPages(IPropertyTreeDialog*, CPropertyPage*, ISessionConfig*, bool) {
  calls.push_back("show " + GetConnectProtocolTable()[Index].protocolName.Str());
}
template <int Index>
void HidePages(IPropertyTreeDialog*) {
  calls.push_back("hide " + GetConnectProtocolTable()[Index].protocolName.Str());
}
template <int Index>
void DestroyPages(IPropertyTreeDialog*) {}

template <int Index>
void Record(ConnectProtocolTableElement& entry) {
  entry.showSessionPages = ShowPages<Index>;
  entry.hideSessionPages = HidePages<Index>;
  entry.destroySessionPages = DestroyPages<Index>;
}

struct Products { bool terminal; bool transfer; };

// The tree as "label@depth" in display order.
std::vector<std::string> Tree(VPropertyTreeDialog const& dialog) {
  std::vector<std::string> items;
  for (VTreeItem item : dialog.Tree().AllItems())
    items.push_back(dialog.Tree().Label(item) + "@" + std::to_string(dialog.Tree().Depth(item)));
  return items;
}

class SessionOptionsDialogTest : public ::testing::Test {
 protected:
  // The table of a host with both clients: SSH2 0, Telnet 1, TAPI 2, Serial 3, SFTP 4, FTP 5, None 6.
  SessionOptionsDialogTest() {
    SessionOptionsDialog::DeleteStateMap();
    GetConnectProtocolTable().RemoveAll();
    for (char const* file : {"SSH2.so", "Telnet.so", "TAPI.so", "Serial.so", "SFTP.so", "FTP.so"}) folder.Install(file);
    for (auto [row, product] : {std::pair{4, 3}, {6, 3}, {9, 3}, {8, 3}, {10, 6}, {11, 6}})
      EXPECT_TRUE(RegisterProtocolRow(folder.Base().c_str(), row, product));
    EXPECT_TRUE(RegisterProtocolRow(nullptr, 0, 3));
    ConnectProtocolTable& table = GetConnectProtocolTable();
    Record<0>(table[0]), Record<1>(table[1]), Record<2>(table[2]), Record<3>(table[3]);
    Record<4>(table[4]), Record<5>(table[5]), Record<6>(table[6]);
    Install({true, true});
    ConnectDialogDllInitApplicationName("HaloKorvo");
    SetUserInterface(&ui);
    calls.clear();
  }
  ~SessionOptionsDialogTest() override {
    SetUserInterface(nullptr);
    Install({false, false});
    SessionOptionsDialog::DeleteStateMap();
    GetConnectProtocolTable().RemoveAll();
  }

  static void Install(Products products) {
    IsHaloKorvo_Korvo_Installed(products.terminal);
    IsHaloFyx_Installed(products.transfer);
  }
  // A session stored whole in the memory key, with the two protocols.
  std::unique_ptr<SessionConfig> Stored(char const* terminal, char const* transfer) {
    auto session = std::make_unique<SessionConfig>(CString("lab"), nullptr);
    session->SetTerminalProtocol(terminal);
    session->SetTransferProtocol(transfer);
    session->Save(memory.key, true);
    return std::make_unique<SessionConfig>(CString("lab"), memory.key);
  }
  static bool Select(SessionOptionsDialog& dialog, char const* label) { return dialog.SelectItem(dialog.FindItem(label)); }

  PluginFolder folder;
  MemoryKey memory;
  HeadlessUserInterface ui;
  GlobalConfig config{nullptr};
};

TEST_F(SessionOptionsDialogTest, PagesFollowTheInstalledProductsAndTheProtocols) {
  struct Case { Products products; bool scriptingDisabled; char const* terminal; char const* transfer;
      unsigned int connectionTemplate; std::vector<std::string> tree; char const* terminalAfter; };
  std::vector<std::string> const terminalTree{"Terminal@0", "Emulation@1", "Modes@2", "Emacs@2", "Mapped Keys@2",
                                              "Advanced@2", "Appearance@1", "Window@2", "Log File@1", "Printing@1",
                                              "Advanced@2", "Xmodem/Zmodem@1"};
  auto with = [&](std::vector<std::string> head, std::vector<std::string> tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
  };
  for (Case const& c : {
           Case{{true, true}, false, "SSH2", "SFTP", 11459,
                with(with({"Connection@0", "Logon Scripts@1"}, terminalTree), {"File Transfer@0", "FTP/SFTP@1"}), "SSH2"},
           Case{{true, true}, true, "Telnet", "None", 11459, with({"Connection@0"}, terminalTree), "Telnet"},
           Case{{true, true}, false, "None", "FTP", 11459, {"Connection@0", "File Transfer@0", "FTP/SFTP@1"}, "None"},
           Case{{true, false}, false, "SSH2", "SFTP", 11438, with({"Connection@0", "Logon Scripts@1"}, terminalTree), "SSH2"},
           // Logon Scripts is the Connection page's child, and goes with a terminal protocol of "None".
           Case{{false, true}, false, "SSH2", "SFTP", 11438, {"Connection@0", "File Transfer@0", "FTP/SFTP@1"}, "None"},
       }) {
    Install(c.products);
    config.DisableAllScripting(c.scriptingDisabled);
    std::unique_ptr<SessionConfig> session = Stored(c.terminal, c.transfer);
    SessionOptionsDialog dialog(&config, session.get());
    dialog.Open();
    EXPECT_EQ(Tree(dialog), c.tree) << c.terminal << "/" << c.transfer;
    EXPECT_EQ(dialog.ConnectionPage()->TemplateId(), c.connectionTemplate);
    EXPECT_EQ(dialog.ConnectionPage()->ChildPages().size(), c.scriptingDisabled ? 0u : 1u);
    EXPECT_EQ(session->GetTerminalProtocol().Str(), c.terminalAfter);
    EXPECT_EQ(dialog.WindowTitle().Str(), "Session Options - lab");
    dialog.OnDestroy();
  }
}

TEST_F(SessionOptionsDialogTest, OpeningShowsThePagesOfTheSessionsProtocols) {
  struct Case { char const* terminal; char const* transfer; std::vector<std::string> calls; };
  for (Case const& c : {
           Case{"SSH2", "SFTP", {"show SSH2"}}, Case{"Telnet", "SFTP", {"show Telnet", "show SFTP"}},
           Case{"SSH2", "FTP", {"show SSH2", "show FTP"}}, Case{"None", "SFTP", {"show None", "show SFTP"}},
       }) {
    calls.clear();
    std::unique_ptr<SessionConfig> session = Stored(c.terminal, c.transfer);
    SessionOptionsDialog dialog(&config, session.get());
    dialog.Open();
    EXPECT_EQ(calls, c.calls) << c.terminal << "/" << c.transfer;
    EXPECT_EQ(std::pair(dialog.Ssh2Index(), dialog.SftpIndex()), std::pair(0, 4));
  }
}

TEST_F(SessionOptionsDialogTest, ProtocolPicksSwitchTheSessionAndItsPages) {
  std::unique_ptr<SessionConfig> session = Stored("SSH2", "SFTP");
  SessionOptionsDialog dialog(&config, session.get());
  dialog.Open();
  ASSERT_TRUE(Select(dialog, "Connection"));
  VPageControl const& transfer = *dialog.ConnectionPage()->Control(SessionConnectPage::kTransferList);
  EXPECT_EQ(transfer.choices, (std::vector<std::string>{"SFTP", "FTP", "None"}));
  EXPECT_EQ(dialog.ConnectionPage()->Control(SessionConnectPage::kTerminalList)->choices,
            (std::vector<std::string>{"SSH2", "Telnet", "TAPI", "Serial", "None"}));
  std::string error;
  struct Step { int list; char const* item; std::vector<std::string> calls; bool transferEnabled;
      char const* transferShown; };
  for (Step const& s : {
           Step{SessionConnectPage::kTerminalList, "TAPI", {"hide SSH2", "show TAPI", "hide SFTP"}, false, "None"},
           Step{SessionConnectPage::kTerminalList, "Telnet", {"hide TAPI", "show Telnet", "show SFTP"}, true, "SFTP"},
           Step{SessionConnectPage::kTransferList, "FTP", {"hide SFTP", "show FTP", "show Telnet"}, true, "FTP"},
           // The FTP pages stay: only SFTP's give way to SSH2's.
           Step{SessionConnectPage::kTerminalList, "SSH2", {"hide Telnet", "show SSH2"}, true, "FTP"},
           Step{SessionConnectPage::kTransferList, "SFTP", {"hide FTP"}, true, "SFTP"},
       }) {
    calls.clear();
    ASSERT_TRUE(dialog.SetControl(s.list, s.item, error)) << error;
    EXPECT_EQ(calls, s.calls) << s.item;
    EXPECT_EQ(transfer.enabled, s.transferEnabled) << s.item;
    EXPECT_EQ(transfer.value, s.transferShown) << s.item;
  }
  EXPECT_EQ(session->GetTerminalProtocol().Str(), "SSH2");
  EXPECT_EQ(session->GetTransferProtocol().Str(), "SFTP");
  // Transfer "None" takes the transfer pages out; the SSH2 pages stay.
  calls.clear();
  ASSERT_TRUE(dialog.SetControl(SessionConnectPage::kTransferList, "None", error));
  EXPECT_EQ(calls, (std::vector<std::string>{"hide SFTP", "show None", "show SSH2"}));
  EXPECT_FALSE(dialog.FindItem("File Transfer"));
}

TEST_F(SessionOptionsDialogTest, AProtocolMissingFromTheTableCannotBePickedBack) {
  SessionConfig session(CString("lab"), nullptr);
  session.SetTerminalProtocol("Gopher");
  SessionOptionsDialog dialog(&config, &session);
  dialog.Open();
  ASSERT_TRUE(Select(dialog, "Connection"));
  VPageControl const& list = *dialog.ConnectionPage()->Control(SessionConnectPage::kTerminalList);
  EXPECT_EQ(list.choices.back(), "Gopher");
  EXPECT_EQ(list.value, "Gopher");
  EXPECT_EQ(dialog.ConnectionPage()->SettledIndex(SessionConnectPage::kTerminalList), -1);
  std::string error;
  ASSERT_TRUE(dialog.SetControl(SessionConnectPage::kTerminalList, "Telnet", error));
  ASSERT_TRUE(dialog.SetControl(SessionConnectPage::kTerminalList, "Gopher", error));
  EXPECT_EQ(list.value, "Telnet");
  EXPECT_EQ(session.GetTerminalProtocol().Str(), "Telnet");
  ASSERT_EQ(ui.Shown().size(), 1u);
  EXPECT_EQ(ui.Shown()[0].text, "The protocol Gopher is not supported in this version.\r\n");
}

// Every control a page declares: a new value set through it, OK, the session saved and read
// back from the store shows that value.
TEST_F(SessionOptionsDialogTest, EveryControlRoundTripsThroughTheStore) {
  std::unique_ptr<SessionConfig> session = Stored("SSH2", "SFTP");
  SessionOptionsDialog dialog(&config, session.get());
  dialog.Open();
  std::map<std::string, std::string> expected;  // option name -> option text
  std::vector<int> margins;
  std::string error;
  for (VPropertyTreePage* page : dialog.PagesInOrder()) {
    ASSERT_TRUE(dialog.SelectItem(page->TreeItem())) << page->Caption();
    VOptionList const options(*session);
    auto set = [&](int id, std::string const& value) {
      ASSERT_TRUE(dialog.SetControl(id, value, error)) << error;
      VPageControl const& control = *page->Control(id);
      VOption const* option = control.option.empty() ? nullptr : options.Find(control.option);
      if (!option) return;
      bool const numeric = option->Form() == VOptionForm::Number || option->Form() == VOptionForm::Unsigned;
      bool const secret = option->Form() == VOptionForm::EncodedText;
      expected[control.option] = secret ? VOptionText::kMask : control.OptionText(numeric);
    };
    for (VPageControl const& control : page->Controls()) {
      if (!control.TakesInput() || (control.kind == VControlKind::Choice && control.option.empty())) continue;
      if (control.enabledBy) set(control.enabledBy, "true");
      if (control.disabledBy) set(control.disabledBy, "false");
      std::string value = control.value + "7";
      if (control.kind == VControlKind::Check) value = control.value == "true" ? "false" : "true";
      if (control.kind == VControlKind::Number) value = std::to_string(control.value == std::to_string(control.minimum) ? control.maximum : control.minimum);
      if (control.kind == VControlKind::Choice) value = control.choices[control.value == control.choices[0] ? 1 : 0];
      if (control.kind == VControlKind::Color) value = control.ColorText(control.value == control.ColorText(0x123456) ? 0x654321 : 0x123456);
      if (control.id >= SessionPrintingPage::kLeft && control.id <= SessionPrintingPage::kBottom) {
        value = std::to_string(control.id - SessionPrintingPage::kLeft + 1) + ".25";
        margins.push_back(control.id);
      }
      set(control.id, value);
    }
  }
  dialog.OnOK();
  ASSERT_EQ(dialog.EndCode(), IDOK);
  EXPECT_EQ(margins.size(), 4u);
  EXPECT_GE(expected.size(), 80u);
  session->Save(memory.key, false);
  SessionConfig reloaded(CString("lab"), memory.key);
  VOptionList const options(reloaded);
  for (auto const& [name, text] : expected) EXPECT_EQ(options.Find(name)->Text().Str(), text) << name;
  VMarginData const& stored = reloaded.pageMargins;
  EXPECT_EQ(stored, (VMarginData{1.25, 3.25, 2.25, 4.25}));
  EXPECT_EQ(session->GetSessionName().Str(), "lab7");
  EXPECT_EQ(reloaded.description.GetText(false).Str(), "7");
}

TEST_F(SessionOptionsDialogTest, CancelAfterChangesLeavesTheStoreAsItWas) {
  std::unique_ptr<SessionConfig> session = Stored("SSH2", "SFTP");
  std::string const before = DumpKey(memory.key);
  session->Checkpoint();
  SessionOptionsDialog dialog(&config, session.get());
  dialog.Open();
  std::string error;
  ASSERT_TRUE(Select(dialog, "Connection"));
  ASSERT_TRUE(dialog.SetControl(SessionConnectPage::kTerminalList, "Serial", error));
  ASSERT_TRUE(dialog.SetControl(SessionConnectPage::kDescription, "changed", error));
  for (char const* page : {"Terminal", "Modes", "Window", "Printing", "File Transfer", "FTP/SFTP"}) {
    ASSERT_TRUE(Select(dialog, page)) << page;
    for (VPageControl const& control : dialog.CurrentPage()->Controls())
      if (control.kind == VControlKind::Check && control.enabled) {
        ASSERT_TRUE(dialog.SetControl(control.id, control.value == "true" ? "false" : "true", error));
      }
  }
  ASSERT_TRUE(Select(dialog, "Connection"));
  dialog.OnCancel();
  dialog.OnDestroy();
  session->Rollback();
  session->Save(memory.key, false);
  EXPECT_EQ(DumpKey(memory.key), before);
}

TEST_F(SessionOptionsDialogTest, PrintingShowsMarginsAndFontInTheirForms) {
  std::unique_ptr<SessionConfig> session = Stored("SSH2", "SFTP");
  session->pageMargins = VMarginData{0.5, 12.3456, 0.25, 0};
  SessionOptionsDialog dialog(&config, session.get());
  dialog.Open();
  ASSERT_TRUE(Select(dialog, "Printing"));
  VPropertyTreePage* page = dialog.CurrentPage();
  std::vector<std::string> shown;
  for (int id : {SessionPrintingPage::kLeft, SessionPrintingPage::kRight, SessionPrintingPage::kTop,
                 SessionPrintingPage::kBottom, SessionPrintingPage::kFont})
    shown.push_back(page->Control(id)->value);
  EXPECT_EQ(shown, (std::vector<std::string>{"0.500", "12.346", "0.250", "0.000", "Courier New 10pt"}));
  std::string error;
  // Untouched margins keep their stored bytes; a margin that is no number keeps the page.
  ASSERT_TRUE(Select(dialog, "Terminal"));
  VMarginData const& kept = session->pageMargins;
  EXPECT_EQ(kept.right, 12.3456);
  ASSERT_TRUE(Select(dialog, "Printing"));
  ASSERT_TRUE(dialog.SetControl(SessionPrintingPage::kTop, "1,5", error));
  EXPECT_FALSE(Select(dialog, "Terminal"));
  EXPECT_EQ(ui.Shown().back().text, "Please enter a margin from 0 to 100 inches.");
}

TEST_F(SessionOptionsDialogTest, TheTreeStateOutlivesTheProcessThroughTheGlobalOptions) {
  config.sessionOptionsTreeState = VString("0010");
  config.sessionOptionsTreeSelected = VString("Emulation Modes");
  std::unique_ptr<SessionConfig> session = Stored("SSH2", "SFTP");
  {
    SessionOptionsDialog dialog(&config, session.get());
    dialog.Open();
    ASSERT_NE(dialog.CurrentPage(), nullptr);
    EXPECT_EQ(dialog.CurrentPage()->Caption(), "Emulation Modes");
    EXPECT_FALSE(dialog.Tree().IsExpanded(dialog.FindItem("Connection")));
    EXPECT_FALSE(dialog.Tree().IsExpanded(dialog.FindItem("Emulation")));
    EXPECT_TRUE(dialog.Tree().IsExpanded(dialog.FindItem("Appearance")));
    ASSERT_TRUE(Select(dialog, "Window"));
    dialog.ExpandItem(dialog.FindItem("Connection"), true);
    dialog.OnDestroy();
  }
  EXPECT_EQ(config.sessionOptionsTreeState.Str(), "1010111111111111");
  EXPECT_EQ(config.sessionOptionsTreeSelected.Str(), "Session Window");
  // Within the run the page state map wins over the stored strings.
  config.sessionOptionsTreeSelected = VString("Emulation Modes");
  SessionOptionsDialog again(&config, session.get());
  again.Open();
  EXPECT_EQ(again.CurrentPage()->Caption(), "Session Window");
}

}  // namespace

// A key mapped on the Mapped Keys page reaches the session's keymap on OK only, as one record;
// after Cancel the session's keymap was never touched and the store is as it was, byte for byte.
TEST_F(SessionOptionsDialogTest, MappedKeysReachTheSessionOnOkOnly) {
  FakeKeyboardLayout layout;
  layout.Key(30, false, 'A', {"a", "\x01", "A", "\x01", "", "", "", ""});
  HeadlessDialogPresenter presenter;
  VPropertyTreeSteps::AddTo(presenter);
  MappedKeysSteps::AddTo(presenter);
  SelectedKeySteps::AddTo(presenter);
  SetDialogPresenter(&presenter);
  for (bool const ok : {false, true}) {
    SCOPED_TRACE(ok ? "OK" : "Cancel");
    std::unique_ptr<SessionConfig> session = Stored("SSH2", "SFTP");
    std::string const before = DumpKey(memory.key);
    session->Checkpoint();
    SessionOptionsDialog dialog(&config, session.get());
    ASSERT_TRUE(presenter.Play(DialogScript{{Step("expand", {{"page", "Emulation"}}),
                                             Step("select", {{"page", "Mapped Keys"}}),
                                             Step("set", {{"control", "1565"}, {"value", "true"}}),
                                             Step("key-button", {{"scan", "30"}, {"extended", "false"}}),
                                             Step("category", {{"name", "Menu Function"}}),
                                             Step("function", {{"name", "MENU_COPY"}}), Step("ok"),
                                             Step(ok ? "ok" : "cancel")},
                                            {}, {}},
                               ui));
    EXPECT_EQ(dialog.DoModal(), ok ? IDOK : IDCANCEL);
    EXPECT_FALSE(presenter.Finish().has_value()) << presenter.GetFailure()->error;
    OnScreenKeyboard const& keys = dialog.MappedKeysPage()->Keyboard();
    EXPECT_TRUE(keys.IsMapped(keys.Find(30, false)));
    EXPECT_EQ(dialog.MappedKeysPage()->EditedKeymap().GetOwnKeyCode(0x441), KeymapCode::MENU_COPY);
    EXPECT_EQ(session->terminal.keymap.IsModified(), ok);
    if (!ok) session->Rollback();
    session->Save(memory.key, false);
    if (!ok) {
      EXPECT_EQ(DumpKey(memory.key), before);
      continue;
    }
    // The record count, the key index Shift+A, the function's name and an empty value.
    std::string const record("\0\0\0\1\0\0\x04\x41MENU_COPY\0\0", 19);
    EXPECT_EQ(DumpValue(memory.key, "Keymap"), "binary " + Hex(record));
  }
  SetDialogPresenter(nullptr);
}
