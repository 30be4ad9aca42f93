// The real protocol plug-ins' pages in the Session Options dialog, put below the Connection page
// through the table's slots and editing the session's options; and the printing pages' secondary
// dialogs of both option dialogs: the pass-through printing settings (with the port settings
// inside it) and the port settings. A dialog's OK is stored only when its owner's OK is; any
// Cancel leaves the store as it was, byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "VOptionList.h"
#include "VProfileKey.h"
#include "VProfileStore.h"
#include "connectdialog/database/GlobalConfigWorld.h"
#include "dialogs/PrinterDialogs.h"
#include "dialogs/SessionConnectPage.h"
#include "dialogs/SessionPrintingPage.h"
#include "session/SessionConfig.h"
#include "support/HeadlessDialogs.h"
#include "support/KeyDump.h"
#include "vutils/MemoryKey.h"

namespace {

using H = HeadlessDialogs;
using P = PrinterDialogs;

class ProtocolPagesTest : public ::testing::Test {
 protected:
  // The terminal client's table: SSH2 0, Telnet 1, RLogin 2, Serial 3, TAPI 4, None 5.
  static void LoadTerminalClient() {
    IsHaloFyx_Installed(false);
    H::Register({{4, 3}, {6, 3}, {7, 3}, {8, 3}, {9, 3}, {-1, 3}});
  }
  // A session stored whole in the memory key, and a record read back from there.
  std::unique_ptr<SessionConfig> Stored(char const* terminal, char const* transfer = nullptr, bool port = false) {
    SessionConfig session(CString("lab"), nullptr);
    session.SetTerminalProtocol(terminal);
    if (transfer) session.SetTransferProtocol(transfer);
    session.usePrinterPort = port ? 1 : 0;
    session.Save(memory.key, true);
    return std::make_unique<SessionConfig>(CString("lab"), memory.key);
  }
  // The pages below the Connection page, by label.
  static std::vector<std::string> Below(SessionOptionsDialog const& dialog) {
    std::vector<std::string> labels;
    for (VTreeItem item : dialog.Tree().Children(dialog.ConnectionPage()->TreeItem()))
      labels.push_back(dialog.Tree().Label(item));
    return labels;
  }

  GlobalConfigWorld world{kProductHaloKorvo};
  HeadlessDialogs dialogs{true, true};
  MemoryKey memory;
  GlobalConfig config{nullptr};
};

TEST_F(ProtocolPagesTest, EachProtocolsPageEditsItsOptions) {
  LoadTerminalClient();
  struct Case { char const* protocol; std::vector<std::pair<int, std::string>> values;
      std::map<std::string, std::string> stored; };
  for (Case const& c : {
           Case{"SSH2", {{2101, "gate.example"}, {2102, "2222"}, {2103, "ops"}, {2104, "publickey"},
                         {2107, "/home/ops/.ssh/id_ed25519"}, {2106, "true"}},
                {{"Hostname", "gate.example"}, {"SSH2 Port", "2222"}, {"Username", "ops"},
                 {"SSH2 Authentication Order", "publickey"}, {"SSH2 Identity Filename", "/home/ops/.ssh/id_ed25519"},
                 {"SSH2 Compression", "true"}}},
           Case{"Serial", {{2141, "/dev/ttyUSB0"}, {2142, "115200"}, {2143, "7"}, {2144, "Even"}, {2145, "2"},
                           {2146, "RTS/CTS"}},
                {{"Serial Port", "/dev/ttyUSB0"}, {"Serial Baud Rate", "115200"}, {"Serial Data Bits", "7"},
                 {"Serial Parity", "2"}, {"Serial Stop Bits", "2"}, {"Serial Flow Control", "2"}}},
           Case{"Telnet", {{2121, "bbs.example"}, {2122, "2323"}},
                {{"Hostname", "bbs.example"}, {"Telnet Port", "2323"}}},
           Case{"RLogin", {{2131, "old.example"}, {2132, "1513"}, {2133, "root"}},
                {{"Hostname", "old.example"}, {"RLogin Port", "1513"}, {"Username", "root"}}},
           Case{"TAPI", {{2151, "555 0100"}, {2152, "USR"}},
                {{"TAPI Phone Number", "555 0100"}, {"TAPI Modem", "USR"}}},
       }) {
    SCOPED_TRACE(c.protocol);
    std::unique_ptr<SessionConfig> session = Stored(c.protocol);
    session->Checkpoint();
    SessionOptionsDialog dialog(&config, session.get());
    dialog.Open();
    EXPECT_EQ(Below(dialog), (std::vector<std::string>{"Logon Scripts", c.protocol}));
    ASSERT_TRUE(H::Select(dialog, c.protocol));
    for (auto const& [id, value] : c.values) {
      if (id != 2107) {
        H::Type(dialog, {{id, value}});
        continue;
      }
      dialogs.ui.Script(IDOK, value);  // the identity file is browsed for, the chooser answering with the path
      H::Click(dialog, id);
    }
    dialog.OnOK();
    ASSERT_EQ(dialog.EndCode(), IDOK);
    dialog.OnDestroy();
    EXPECT_EQ(dialog.ConnectionPage()->ChildPages().size(), 1u);  // the plug-in took its page back
    session->Save(memory.key, false);
    SessionConfig reloaded(CString("lab"), memory.key);
    VOptionList const options(reloaded);
    for (auto const& [name, text] : c.stored) {
      ASSERT_TRUE(options.Find(name)) << name;
      EXPECT_EQ(options.Find(name)->Text().Str(), text) << name;
    }
  }
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

// How the dialogs end, innermost first; the change is stored only when all say "ok".
using Ending = std::vector<char const*>;
std::vector<Ending> const kTwoDialogs{{"ok", "cancel"}, {"cancel", "ok"}, {"ok", "ok"}};
// The port settings opened from the pass-through dialog: cancelling that one takes them back too.
std::vector<Ending> const kThreeDialogs{{"ok", "cancel", "ok"}, {"cancel", "ok", "ok"}, {"ok", "ok", "cancel"},
                                        {"ok", "ok", "ok"}};

std::string Named(Ending const& ending) {
  std::string name;
  for (char const* step : ending) name += std::string(name.empty() ? "" : " then ") + step;
  return name;
}
bool AllOk(Ending const& ending) {
  return std::all_of(ending.begin(), ending.end(), [](std::string s) { return s == "ok"; });
}
std::vector<DialogStep> Ends(Ending const& ending) {
  std::vector<DialogStep> steps;
  for (char const* end : ending) steps.push_back(Step(end));
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
  struct Route { char const* name; std::vector<DialogStep> open, change; std::vector<Ending> endings; Stores stored; };
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
    for (Ending const& ending : route.endings) {
      SCOPED_TRACE(std::string(route.name) + ": " + Named(ending));
      std::string const before = DumpKey(memory.key);
      // Stored as a host stores it: saved on OK, rolled back and saved on Cancel.
      SessionConfig session(CString("lab"), memory.key);
      session.Checkpoint();
      SessionOptionsDialog dialog(&config, &session);
      int const code = dialogs.Run(dialog, Joined({route.open, route.change, Ends(ending)}));
      dialog.OnDestroy();
      if (code != IDOK) session.Rollback();
      session.Save(memory.key, false);
      if (!AllOk(ending)) {
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
  for (Ending const& ending : kTwoDialogs) {
    SCOPED_TRACE(Named(ending));
    std::string const before = dump();
    GlobalOptionsDialog dialog(*global);
    std::vector<DialogStep> const change{Press(1441), Choose(P::kBaudRate, "115200"), Choose(P::kStopBits, "2"),
                                         Set(P::kCtsFlow, "false")};
    if (dialogs.Run(dialog, Joined({kToAdvancedPrinting, change, Ends(ending)})) == IDOK) global->Save();
    if (!AllOk(ending)) {
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
