// The Session Options dialog on a table of test plug-ins: its tree for the installed products and
// the session's protocols, the plug-ins' pages shown and hidden as protocols are picked, every
// control carried to the store on OK and none on Cancel, and the tree state kept between runs.
#include "dialogs/SessionOptionsDialog.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "VOptionList.h"
#include "connectdialog/session/PluginFolder.h"
#include "dialogs/MappedKeysSteps.h"
#include "dialogs/OnScreenKeyboard.h"
#include "dialogs/SelectedKeySteps.h"
#include "dialogs/SessionConnectPage.h"
#include "dialogs/SessionMappedKeysPage.h"
#include "dialogs/SessionPrintingPage.h"
#include "session/SessionConfig.h"
#include "support/FakeKeyboardLayout.h"
#include "support/Golden.h"
#include "support/HeadlessDialogs.h"
#include "support/JoinedText.h"
#include "support/KeyDump.h"
#include "terminal/KeymapCode.h"
#include "vutils/MemoryKey.h"

namespace {

using H = HeadlessDialogs;

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

class SessionOptionsDialogTest : public ::testing::Test {
 protected:
  // The table of a host with both clients: SSH2 0, Telnet 1, TAPI 2, Serial 3, SFTP 4, FTP 5, None 6.
  SessionOptionsDialogTest() {
    for (char const* file : {"SSH2.so", "Telnet.so", "TAPI.so", "Serial.so", "SFTP.so", "FTP.so"}) folder.Install(file);
    for (auto [row, product] : {std::pair{4, 3}, {6, 3}, {9, 3}, {8, 3}, {10, 6}, {11, 6}})
      EXPECT_TRUE(RegisterProtocolRow(folder.Base().c_str(), row, product));
    EXPECT_TRUE(RegisterProtocolRow(nullptr, 0, 3));
    ConnectProtocolTable& table = GetConnectProtocolTable();
    Record<0>(table[0]), Record<1>(table[1]), Record<2>(table[2]), Record<3>(table[3]);
    Record<4>(table[4]), Record<5>(table[5]), Record<6>(table[6]);
    ConnectDialogDllInitApplicationName("HaloKorvo");
    calls.clear();
  }
  // A session stored whole in the memory key, with the two protocols.
  std::unique_ptr<SessionConfig> Stored(char const* terminal, char const* transfer) {
    auto session = std::make_unique<SessionConfig>(CString("lab"), nullptr);
    session->SetTerminalProtocol(terminal);
    session->SetTransferProtocol(transfer);
    session->Save(memory.key, true);
    return std::make_unique<SessionConfig>(CString("lab"), memory.key);
  }

  PluginFolder folder;
  HeadlessDialogs dialogs{true, true};
  MemoryKey memory;
  GlobalConfig config{nullptr};
};

// Per row, the golden file holds the tree ("label@depth"), the Connection page's template, the
// terminal protocol afterwards, the plug-ins' pages shown on opening and the SSH2 and SFTP
// entries. Logon Scripts is the Connection page's child, and goes with a terminal protocol of "None".
TEST_F(SessionOptionsDialogTest, PagesFollowTheInstalledProductsAndTheProtocols) {
  struct Case { bool terminalProduct, transferProduct, scriptingDisabled; char const* terminal; char const* transfer; };
  std::string dump;
  for (Case const& c : {Case{true, true, false, "SSH2", "SFTP"}, Case{true, true, true, "Telnet", "None"},
                        Case{true, true, false, "None", "FTP"}, Case{true, false, false, "SSH2", "SFTP"},
                        Case{false, true, false, "SSH2", "SFTP"}, Case{true, true, false, "Telnet", "SFTP"},
                        Case{true, true, false, "SSH2", "FTP"}, Case{true, true, false, "None", "SFTP"}}) {
    SCOPED_TRACE(std::string(c.terminal) + "/" + c.transfer);
    IsHaloKorvo_Korvo_Installed(c.terminalProduct);
    IsHaloFyx_Installed(c.transferProduct);
    config.DisableAllScripting(c.scriptingDisabled);
    calls.clear();
    std::unique_ptr<SessionConfig> session = Stored(c.terminal, c.transfer);
    SessionOptionsDialog dialog(&config, session.get());
    dialog.Open();
    EXPECT_EQ(dialog.ConnectionPage()->ChildPages().size(), c.scriptingDisabled ? 0u : 1u);
    EXPECT_EQ(dialog.WindowTitle().Str(), "Session Options - lab");
    dump += std::to_string(c.terminalProduct) + std::to_string(c.transferProduct) +
            std::to_string(c.scriptingDisabled) + " " + c.terminal + "/" + c.transfer + ": " +
            JoinedText(H::Tree(dialog), ", ") + "; template " + std::to_string(dialog.ConnectionPage()->TemplateId()) +
            "; " + session->GetTerminalProtocol().Str() + "; " + JoinedText(calls, ", ") + "; SSH2 " +
            std::to_string(dialog.Ssh2Index()) + " SFTP " + std::to_string(dialog.SftpIndex()) + "\n";
    dialog.OnDestroy();
  }
  ExpectGolden("dialogs/session_options_trees.txt", dump);
}

TEST_F(SessionOptionsDialogTest, ProtocolPicksSwitchTheSessionAndItsPages) {
  std::unique_ptr<SessionConfig> session = Stored("SSH2", "SFTP");
  SessionOptionsDialog dialog(&config, session.get());
  dialog.Open();
  ASSERT_TRUE(H::Select(dialog, "Connection"));
  VPageControl const& transfer = *dialog.ConnectionPage()->Control(SessionConnectPage::kTransferList);
  EXPECT_EQ(transfer.choices, (std::vector<std::string>{"SFTP", "FTP", "None"}));
  EXPECT_EQ(dialog.ConnectionPage()->Control(SessionConnectPage::kTerminalList)->choices,
            (std::vector<std::string>{"SSH2", "Telnet", "TAPI", "Serial", "None"}));
  int const terminalList = SessionConnectPage::kTerminalList, transferList = SessionConnectPage::kTransferList;
  struct Pick { int list; char const* item; std::vector<std::string> calls; bool transferEnabled; char const* shown; };
  for (Pick const& p : {
           Pick{terminalList, "TAPI", {"hide SSH2", "show TAPI", "hide SFTP"}, false, "None"},
           Pick{terminalList, "Telnet", {"hide TAPI", "show Telnet", "show SFTP"}, true, "SFTP"},
           Pick{transferList, "FTP", {"hide SFTP", "show FTP", "show Telnet"}, true, "FTP"},
           // The FTP pages stay: only SFTP's give way to SSH2's.
           Pick{terminalList, "SSH2", {"hide Telnet", "show SSH2"}, true, "FTP"},
           Pick{transferList, "SFTP", {"hide FTP"}, true, "SFTP"},
       }) {
    SCOPED_TRACE(p.item);
    calls.clear();
    H::Type(dialog, {{p.list, p.item}});
    EXPECT_EQ(calls, p.calls);
    EXPECT_EQ(transfer.enabled, p.transferEnabled);
    EXPECT_EQ(transfer.value, p.shown);
  }
  EXPECT_EQ(session->GetTerminalProtocol().Str(), "SSH2");
  EXPECT_EQ(session->GetTransferProtocol().Str(), "SFTP");
  // Transfer "None" takes the transfer pages out; the SSH2 pages stay.
  calls.clear();
  H::Type(dialog, {{transferList, "None"}});
  EXPECT_EQ(calls, (std::vector<std::string>{"hide SFTP", "show None", "show SSH2"}));
  EXPECT_FALSE(dialog.FindItem("File Transfer"));
}

TEST_F(SessionOptionsDialogTest, AProtocolMissingFromTheTableCannotBePickedBack) {
  SessionConfig session(CString("lab"), nullptr);
  session.SetTerminalProtocol("Gopher");
  SessionOptionsDialog dialog(&config, &session);
  dialog.Open();
  ASSERT_TRUE(H::Select(dialog, "Connection"));
  VPageControl const& list = *dialog.ConnectionPage()->Control(SessionConnectPage::kTerminalList);
  EXPECT_EQ(list.choices.back(), "Gopher");
  EXPECT_EQ(list.value, "Gopher");
  EXPECT_EQ(dialog.ConnectionPage()->SettledIndex(SessionConnectPage::kTerminalList), -1);
  H::Type(dialog, {{SessionConnectPage::kTerminalList, "Telnet"}, {SessionConnectPage::kTerminalList, "Gopher"}});
  EXPECT_EQ(list.value, "Telnet");
  EXPECT_EQ(session.GetTerminalProtocol().Str(), "Telnet");
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"The protocol Gopher is not supported in this version.\r\n"});
}

// Every control a page declares takes a new value: Cancel (the session rolled back, as a host does)
// leaves the store as it was, byte for byte; OK carries every value to the store.
TEST_F(SessionOptionsDialogTest, EveryControlRoundTripsThroughTheStoreOnOkOnly) {
  std::unique_ptr<SessionConfig> session = Stored("SSH2", "SFTP");
  std::map<std::string, std::string> expected;  // option name -> option text
  std::vector<int> margins;
  auto fill = [&](SessionOptionsDialog& dialog) {
    dialog.Open();
    for (VPropertyTreePage* page : dialog.PagesInOrder()) {
      ASSERT_TRUE(dialog.SelectItem(page->TreeItem())) << page->Caption();
      VOptionList const options(*session);
      auto set = [&](int id, std::string const& value) {
        H::Type(dialog, {{id, value}});
        VPageControl const& control = *page->Control(id);
        if (VOption const* option = control.option.empty() ? nullptr : options.Find(control.option))
          expected[control.option] = H::StoredText(control, *option);
      };
      for (VPageControl const& control : page->Controls()) {
        if (!control.TakesInput() || (control.kind == VControlKind::Choice && control.option.empty())) continue;
        if (control.enabledBy) set(control.enabledBy, "true");
        if (control.disabledBy) set(control.disabledBy, "false");
        bool const margin = control.id >= SessionPrintingPage::kLeft && control.id <= SessionPrintingPage::kBottom;
        if (margin) margins.push_back(control.id);
        set(control.id,
            margin ? std::to_string(control.id - SessionPrintingPage::kLeft + 1) + ".25" : H::OtherValue(control));
      }
    }
  };
  std::string const before = DumpKey(memory.key);
  session->Checkpoint();
  {
    SessionOptionsDialog dialog(&config, session.get());
    fill(dialog);
    ASSERT_TRUE(H::Select(dialog, "Connection"));
    H::Type(dialog, {{SessionConnectPage::kTerminalList, "Serial"}});
    dialog.OnCancel();
    dialog.OnDestroy();
  }
  session->Rollback();
  EXPECT_EQ(session->GetSessionName().Str(), "lab") << "the name typed is not kept after Cancel";
  session->Save(memory.key, false);
  EXPECT_EQ(DumpKey(memory.key), before);
  expected.clear();
  margins.clear();
  session = Stored("SSH2", "SFTP");
  SessionOptionsDialog dialog(&config, session.get());
  fill(dialog);
  dialog.OnOK();
  ASSERT_EQ(dialog.EndCode(), IDOK);
  EXPECT_EQ(margins.size(), 4u);
  EXPECT_GE(expected.size(), 80u);
  session->Save(memory.key, false);
  SessionConfig reloaded(CString("lab"), memory.key);
  VOptionList const options(reloaded);
  for (auto const& [name, text] : expected) EXPECT_EQ(options.Find(name)->Text().Str(), text) << name;
  EXPECT_EQ(reloaded.pageMargins, (VMarginData{1.25, 3.25, 2.25, 4.25}));
  EXPECT_EQ(session->GetSessionName().Str(), "lab7");
  EXPECT_EQ(reloaded.description.GetText(false).Str(), "7");
}

TEST_F(SessionOptionsDialogTest, PrintingShowsMarginsAndFontInTheirForms) {
  std::unique_ptr<SessionConfig> session = Stored("SSH2", "SFTP");
  session->pageMargins = VMarginData{0.5, 12.3456, 0.25, 0};
  SessionOptionsDialog dialog(&config, session.get());
  dialog.Open();
  ASSERT_TRUE(H::Select(dialog, "Printing"));
  std::vector<std::string> shown;
  for (int id : {SessionPrintingPage::kLeft, SessionPrintingPage::kRight, SessionPrintingPage::kTop,
                 SessionPrintingPage::kBottom, SessionPrintingPage::kFont})
    shown.push_back(dialog.CurrentPage()->Control(id)->value);
  EXPECT_EQ(shown, (std::vector<std::string>{"0.500", "12.346", "0.250", "0.000", "Courier New 10pt"}));
  // Untouched margins keep their stored bytes; a margin that is no number keeps the page.
  ASSERT_TRUE(H::Select(dialog, "Terminal"));
  EXPECT_EQ(static_cast<VMarginData const&>(session->pageMargins).right, 12.3456);
  ASSERT_TRUE(H::Select(dialog, "Printing"));
  H::Type(dialog, {{SessionPrintingPage::kTop, "1,5"}});
  EXPECT_FALSE(H::Select(dialog, "Terminal"));
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"Please enter a margin from 0 to 100 inches."});
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
    ASSERT_TRUE(H::Select(dialog, "Window"));
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

// A key mapped on the Mapped Keys page reaches the session's keymap on OK only, as one record;
// after Cancel the session's keymap was never touched and the store is as it was, byte for byte.
TEST_F(SessionOptionsDialogTest, MappedKeysReachTheSessionOnOkOnly) {
  FakeKeyboardLayout layout;
  layout.Key(30, false, 'A', {"a", "\x01", "A", "\x01", "", "", "", ""});
  MappedKeysSteps::AddTo(dialogs.presenter);
  SelectedKeySteps::AddTo(dialogs.presenter);
  for (bool const ok : {false, true}) {
    SCOPED_TRACE(ok ? "OK" : "Cancel");
    std::unique_ptr<SessionConfig> session = Stored("SSH2", "SFTP");
    std::string const before = DumpKey(memory.key);
    session->Checkpoint();
    SessionOptionsDialog dialog(&config, session.get());
    EXPECT_EQ(dialogs.Run(dialog, {Expand("Emulation"), Select("Mapped Keys"), Set(1565, "true"),
                                   Step("key-button", {{"scan", "30"}, {"extended", "false"}}),
                                   Step("category", {{"name", "Menu Function"}}),
                                   Step("function", {{"name", "MENU_COPY"}}), Step("ok"), Step(ok ? "ok" : "cancel")}),
              ok ? IDOK : IDCANCEL);
    OnScreenKeyboard const& keys = dialog.MappedKeysPage()->Keyboard();
    EXPECT_TRUE(keys.IsMapped(keys.Find(30, false)));
    EXPECT_EQ(dialog.MappedKeysPage()->EditedKeymap().GetOwnKeyCode(0x441), KeymapCode::MENU_COPY);
    EXPECT_EQ(session->terminal.keymap.IsModified(), ok);
    if (!ok) session->Rollback();
    session->Save(memory.key, false);
    // The record count, the key index Shift+A, the function's name and an empty value.
    std::string const record("\0\0\0\1\0\0\x04\x41MENU_COPY\0\0", 19);
    if (ok) EXPECT_EQ(DumpValue(memory.key, "Keymap"), "binary " + Hex(record));
    else EXPECT_EQ(DumpKey(memory.key), before);
  }
}

}  // namespace
