// The Session Options dialog. On a table of test plug-ins: its tree for the installed products and
// the session's protocols, the plug-ins' pages shown and hidden as protocols are picked, every
// control carried to the store on OK and none on Cancel, and the tree state kept between runs.
// On the real plug-ins: their pages below the Connection page editing the session's options, and
// the printing pages' secondary dialogs of both option dialogs (pass-through printing, with the
// port settings inside it, and the port settings), stored only when their owner's OK is.
#include "dialogs/SessionOptionsDialog.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "VOptionList.h"
#include "VProfileKey.h"
#include "VProfileStore.h"
#include "connectdialog/database/GlobalConfigWorld.h"
#include "connectdialog/session/PluginFolder.h"
#include "dialogs/MappedKeysSteps.h"
#include "dialogs/PrinterDialogs.h"
#include "dialogs/SelectedKeySteps.h"
#include "dialogs/SessionConnectPage.h"
#include "dialogs/SessionPrintingPage.h"
#include "session/SessionConfig.h"
#include "support/CaseFile.h"
#include "support/ControlValues.h"
#include "support/FakeKeyboardLayout.h"
#include "support/HeadlessDialogs.h"
#include "support/JoinedText.h"
#include "support/KeyDump.h"
#include "vutils/MemoryKey.h"

namespace {

using H = HeadlessDialogs;
using P = PrinterDialogs;

// A session stored whole in the memory key, and a record read back from there.
class SessionDialogTest : public ::testing::Test {
 protected:
  std::unique_ptr<SessionConfig> Stored(char const* terminal, char const* transfer = nullptr, bool port = false) {
    SessionConfig session(CString("lab"), nullptr);
    session.SetTerminalProtocol(terminal);
    if (transfer) session.SetTransferProtocol(transfer);
    session.usePrinterPort = port ? 1 : 0;
    session.Save(memory.key, true);
    return std::make_unique<SessionConfig>(CString("lab"), memory.key);
  }

  HeadlessDialogs dialogs{true, true};
  MemoryKey memory;
  GlobalConfig config{nullptr};
};

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

class SessionOptionsDialogTest : public SessionDialogTest {
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

  PluginFolder folder;
};

// Logon Scripts is the Connection page's child, and goes with a terminal protocol of "None".
TEST_F(SessionOptionsDialogTest, PagesFollowTheInstalledProductsAndTheProtocols) {
  ExpectCaseFile("dialogs/session_options_trees.txt", [&](std::string const& input) {
    IsHaloKorvo_Korvo_Installed(input[0] == '1');
    IsHaloFyx_Installed(input[1] == '1');
    config.DisableAllScripting(input[2] == '1');
    size_t const slash = input.find('/');
    calls.clear();
    std::unique_ptr<SessionConfig> session = Stored(input.substr(4, slash - 4).c_str(), input.substr(slash + 1).c_str());
    SessionOptionsDialog dialog(&config, session.get());
    dialog.Open();
    EXPECT_EQ(dialog.WindowTitle().Str(), "Session Options - lab");
    std::string const answer = JoinedText(H::Tree(dialog), ", ") + "; template " +
                               std::to_string(dialog.ConnectionPage()->TemplateId()) + "; " +
                               session->GetTerminalProtocol().Str() + "; " + JoinedText(calls, ", ") + "; SSH2 " +
                               std::to_string(dialog.Ssh2Index()) + " SFTP " + std::to_string(dialog.SftpIndex());
    dialog.OnDestroy();
    return answer;
  });
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
    EXPECT_EQ(session->terminal.keymap.IsModified(), ok);
    if (!ok) session->Rollback();
    session->Save(memory.key, false);
    // The record count, the key index Shift+A, the function's name and an empty value.
    std::string const record("\0\0\0\1\0\0\x04\x41MENU_COPY\0\0", 19);
    if (ok) EXPECT_EQ(DumpValue(memory.key, "Keymap"), "binary " + Hex(record));
    else EXPECT_EQ(DumpKey(memory.key), before);
  }
}

class ProtocolPagesTest : public SessionDialogTest {
 protected:
  // The terminal client's table: SSH2 0, Telnet 1, RLogin 2, Serial 3, TAPI 4, None 5.
  static void LoadTerminalClient() {
    IsHaloFyx_Installed(false);
    H::Register({{4, 3}, {6, 3}, {7, 3}, {8, 3}, {9, 3}, {-1, 3}});
  }
  // The pages below the Connection page, by label.
  static std::vector<std::string> Below(SessionOptionsDialog const& dialog) {
    std::vector<std::string> labels;
    for (VTreeItem item : dialog.Tree().Children(dialog.ConnectionPage()->TreeItem()))
      labels.push_back(dialog.Tree().Label(item));
    return labels;
  }

  GlobalConfigWorld world{kProductHaloKorvo};
};

TEST_F(ProtocolPagesTest, EachProtocolsPageEditsItsOptions) {
  LoadTerminalClient();
  auto texts = [](SessionConfig& session) {
    std::map<std::string, std::string> texts;
    VOptionList const options(session);
    for (VOption const& option : options.Options()) texts[option.Name()] = option.Text().Str();
    return texts;
  };
  ExpectCaseFile("dialogs/protocol_pages.txt", [&](std::string const& input) {
    std::string const protocol = input.substr(0, input.find(':'));
    std::unique_ptr<SessionConfig> session = Stored(protocol.c_str());
    std::map<std::string, std::string> const before = texts(*session);
    session->Checkpoint();
    SessionOptionsDialog dialog(&config, session.get());
    dialog.Open();
    EXPECT_EQ(Below(dialog), (std::vector<std::string>{"Logon Scripts", protocol}));
    EXPECT_TRUE(H::Select(dialog, protocol));
    for (auto const& [id, value] : ControlValues(input.substr(protocol.size() + 2))) {
      if (id == 2107) dialogs.ui.Script(IDOK, value);  // the identity browsed for: the chooser answers the path
      if (id == 2107) H::Click(dialog, id);
      else H::Type(dialog, {{id, value}});
    }
    dialog.OnOK();
    EXPECT_EQ(dialog.EndCode(), IDOK);
    dialog.OnDestroy();
    EXPECT_EQ(dialog.ConnectionPage()->ChildPages().size(), 1u);  // the plug-in took its page back
    session->Save(memory.key, false);
    SessionConfig reloaded(CString("lab"), memory.key);
    std::string changed;
    for (auto const& [name, text] : texts(reloaded))
      if (before.count(name) == 0 || before.at(name) != text) changed += name + " = " + DumpText(text) + "\n";
    return changed;
  });
}

TEST_F(ProtocolPagesTest, ThePagesFollowThePickAndCheckTheirRanges) {
  LoadTerminalClient();
  std::unique_ptr<SessionConfig> session = Stored("SSH2");
  SessionOptionsDialog dialog(&config, session.get());
  dialog.Open();
  for (char const* protocol : {"Serial", "Telnet", "SSH2"}) {
    ASSERT_TRUE(H::Select(dialog, "Connection"));
    H::Type(dialog, {{SessionConnectPage::kProtocolList, protocol}});
    EXPECT_EQ(Below(dialog), (std::vector<std::string>{"Logon Scripts", protocol}));
  }
  ASSERT_TRUE(H::Select(dialog, "SSH2"));
  for (char const* port : {"0", "65536", "x"}) {
    H::Type(dialog, {{2102, port}});
    dialog.OnOK();
    EXPECT_FALSE(dialog.IsEnded()) << port;
  }
  std::string const range = "Please enter an integer between 1 and 65535.";
  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{range, range, "Please enter an integer."}));
  dialog.OnCancel();
  dialog.OnDestroy();
}

// Both dialogs have more than one page labelled "Advanced": the printing one is reached from Printing.
std::vector<DialogStep> const kToPrinting{Expand("Terminal"), Expand("Printing"), Select("Printing")};
std::vector<DialogStep> const kToAdvancedPrinting = Joined({kToPrinting, {Step("key", {{"keys", "Ctrl+PgDn"}})}});

// How the dialogs end, innermost first; the change is stored only when none cancels.
std::vector<std::string> const kTwoDialogs{"ok cancel", "cancel ok", "ok ok"};
// The port settings opened from the pass-through dialog: cancelling that one takes them back too.
std::vector<std::string> const kThreeDialogs{"ok cancel ok", "cancel ok ok", "ok ok cancel", "ok ok ok"};

std::vector<DialogStep> Ends(std::string const& ending) {
  std::vector<DialogStep> steps;
  std::istringstream words(ending);
  for (std::string word; words >> word;) steps.push_back(Step(word.c_str()));
  return steps;
}

// The store's dump without the tree state that every run of a property-tree dialog keeps.
std::string WithoutTreeState(std::string const& dump) {
  std::string kept;
  for (size_t start = 0; start < dump.size();) {
    size_t const end = dump.find('\n', start) + 1;
    std::string const line = dump.substr(start, end - start);
    if (!line.starts_with("Global Options Tree ")) kept += line;
    start = end;
  }
  return kept;
}

TEST_F(ProtocolPagesTest, TheSessionsPrintingDialogsStoreOnlyWhenAllAreConfirmed) {
  H::Register({{4, 3}, {10, 6}, {-1, 3}});
  // Pass-through printing goes to a port already, so the port settings are open to change.
  Stored("SSH2", "SFTP", true);
  using Stores = std::vector<std::pair<char const*, std::string>>;
  // open: from the dialog to the innermost secondary dialog; change: inside it.
  struct Route { char const* name; std::vector<DialogStep> open, change; std::vector<std::string> endings; Stores stored; };
  std::vector<DialogStep> const portChange{Choose(P::kBaudRate, "9600"), Choose(P::kParity, "Even"),
                                           Set(P::kXonFlow, "true")};
  Stores const portStored{{"Printer Baud Rate", "dword 9600"}, {"Printer Parity", "dword 2"},
                          {"Printer XON Flow", "dword 1"}};
  for (Route const& route : {
           Route{"pass-through from Printing", Joined({kToPrinting, {Press(SessionPrintingPage::kPassThrough)}}),
                 {Set(P::kDisable, "true"), Set(P::kBuffer, "true"), Choose(P::kPort, "/dev/ttyUSB0")}, kTwoDialogs,
                 {{"Disable Pass Through Printing", "dword 1"}, {"Buffer Pass Through Printing", "dword 1"},
                  {"Printer Port", "sz \"/dev/ttyUSB0\""}}},
           Route{"port settings inside pass-through",
                 Joined({kToPrinting, {Press(SessionPrintingPage::kPassThrough), Press(P::kPortSettings)}}),
                 portChange, kThreeDialogs, portStored},
           Route{"port settings from Advanced", Joined({kToAdvancedPrinting, {Press(1637)}}), portChange, kTwoDialogs,
               portStored},
       }) {
    for (std::string const& ending : route.endings) {
      SCOPED_TRACE(std::string(route.name) + ": " + ending);
      std::string const before = DumpKey(memory.key);
      // Stored as a host stores it: saved on OK, rolled back and saved on Cancel.
      SessionConfig session(CString("lab"), memory.key);
      session.Checkpoint();
      SessionOptionsDialog dialog(&config, &session);
      int const code = dialogs.Run(dialog, Joined({route.open, route.change, Ends(ending)}));
      dialog.OnDestroy();
      if (code != IDOK) session.Rollback();
      session.Save(memory.key, false);
      if (ending.find("cancel") != std::string::npos) {
        EXPECT_EQ(DumpKey(memory.key), before);
        continue;
      }
      for (auto const& [name, value] : route.stored) EXPECT_EQ(DumpValue(memory.key, name), value) << name;
      Stored("SSH2", "SFTP", true);
    }
  }
}

TEST_F(ProtocolPagesTest, TheGlobalPortSettingsStoreOnlyWhenBothAreConfirmed) {
  H::Register({{4, 3}, {10, 6}, {-1, 3}});
  GlobalConfig* global = nullptr;
  GetGlobalConfig(global);
  global->usePrinterPort = 1;
  global->Save();
  auto dump = [] {
    VProfileStore store(true, nullptr);
    return WithoutTreeState(DumpKey(store.Root()));
  };
  for (std::string const& ending : kTwoDialogs) {
    SCOPED_TRACE(ending);
    std::string const before = dump();
    GlobalOptionsDialog dialog(*global);
    std::vector<DialogStep> const change{Press(1441), Choose(P::kBaudRate, "115200"), Choose(P::kStopBits, "2"),
                                         Set(P::kCtsFlow, "false")};
    if (dialogs.Run(dialog, Joined({kToAdvancedPrinting, change, Ends(ending)})) == IDOK) global->Save();
    if (ending.find("cancel") != std::string::npos) {
      EXPECT_EQ(dump(), before);
      continue;
    }
    VProfileStore store(true, nullptr);
    VProfileKey key(store.Root(), "Global");
    EXPECT_EQ(DumpValue(&key, "Printer Baud Rate") + ", " + DumpValue(&key, "Printer Stop Bits") + ", " +
                  DumpValue(&key, "Printer CTS Flow"), "dword 115200, dword 2, dword 0");
  }
}

}  // namespace
