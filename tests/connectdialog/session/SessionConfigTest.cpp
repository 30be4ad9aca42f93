// Sessions and their two protocol sides, over a protocol table as a terminal host with file
// transfer would fill it, from copies of the test plug-in: SSH2 (index 0), Telnet (1), SFTP (2,
// transfer) and None (3). Emptied again at the end of each test.
#include "session/SessionConfig.h"

#include <gtest/gtest.h>

#include "VProfileCapiString.h"
#include "connectdialog/session/PluginFolder.h"
#include "library/LibraryState.h"
#include "session/CommonConfig.h"
#include "session/ConnectConfigPtr.h"
#include "session/ConnectProtocolTable.h"
#include "session/NoneConfig.h"
#include "support/CaseFile.h"
#include "support/CaseText.h"
#include "support/InstalledMemoryStore.h"
#include "support/Joined.h"
#include "support/KeyDump.h"
#include "support/RegisterProtocolRow.h"
#include "support/ScopedEnv.h"
#include "support/SessionHolder.h"
#include "vutils/MemoryKey.h"

namespace {

class ProtocolSides : public testing::Test {
 protected:
  enum { kSsh2, kTelnet, kSftp, kNone };
  ProtocolSides() {
    GetConnectProtocolTable().RemoveAll();
    folder.Install("SSH2.so");
    folder.Install("Telnet.so");
    folder.Install("SFTP.so");
    for (auto [row, product] : {std::pair{4, 3}, {6, 3}, {10, 6}}) Register(folder.Base().c_str(), row, product);
    Register(nullptr, 0, 3);
  }
  ~ProtocolSides() override { GetConnectProtocolTable().RemoveAll(); }
  static void Register(char const* directory, int row, int productId) {
    ASSERT_TRUE(RegisterProtocolRow(directory, row, productId)) << row;
  }
  PluginFolder folder;
  MemoryKey memory;
};

using Side = ConnectConfigPtr;
using ConnectConfigPtrTest = ProtocolSides;

TEST_F(ConnectConfigPtrTest, ConstructionSelectsTheStoredOrFirstFittingProtocolAndNamesAreCheckedPerKind) {
  ExpectCaseFile("connectdialog/protocol_sides.txt", [&](std::string const& line) {
    bool const terminal = line.find("terminal") != std::string::npos;
    if (line.starts_with("valid ")) {
      VString name = CaseText(line).c_str();
      bool const accepted = ConnectConfigPtr::ValidateProtocolName(terminal, name);
      return Joined(accepted, name);
    }
    MemoryKey key;
    char const* name = terminal ? "Protocol Name" : "Transfer Protocol Name";
    std::string const stored = line.substr(line.find(' ') + 1);
    if (stored.starts_with('"')) key.key->SetSz(name, CaseText(stored).c_str());
    else if (stored != "nothing") key.key->SetDword(name, std::stoul(stored));
    CommonConfig common;
    Side side(key.key, terminal ? Side::Terminal : Side::Transfer, &common);
    return Joined(side.Protocol(), side.SelectedIndex(), static_cast<ConnectConfig*>(side) != nullptr,
                  side.ProtocolWasBlank());
  });
}

TEST_F(ConnectConfigPtrTest, KindWithoutEntriesHasNoRecord) {
  GetConnectProtocolTable().RemoveAll();
  Register(folder.Base().c_str(), 10, 6);
  memory.key->SetSz("Protocol Name", "SSH2");
  Side side(memory.key, Side::Terminal, nullptr);
  EXPECT_EQ(Joined(side.Protocol(), side.SelectedIndex(), side.operator->() == nullptr, side.IsModified()), "|-1|1|0");
}

TEST_F(ConnectConfigPtrTest, RecordLoadsFromTheSessionKeyAndSavesIntoIt) {
  memory.key->SetSz("Protocol Name", "Telnet");
  memory.key->SetSz("Test Host", "alpha");
  Side side(memory.key, Side::Terminal, nullptr);
  EXPECT_EQ(side->GetHostname(), "alpha");
  EXPECT_EQ(memory.StoredDword("Test Port"), -1);
  side.Save(memory.key, false);
  EXPECT_EQ(memory.StoredDword("Test Port"), 22) << "the missing option is written with its default";
  MemoryKey target;
  side.Save(target.key, true);
  EXPECT_EQ(Joined(target.StoredSz("Protocol Name"), target.StoredSz("Test Host"), target.StoredDword("Test Port")),
            "Telnet|alpha|22");
}

TEST_F(ConnectConfigPtrTest, ABuiltSideSavesEverythingOnceAndNoneOnlyItsName) {
  Side side(nullptr, Side::Terminal, nullptr);
  side.Checkpoint();
  EXPECT_TRUE(side.IsDirty()) << "built from nothing: everything must be written";
  side.Save(memory.key, false);
  EXPECT_FALSE(side.IsDirty());
  EXPECT_EQ(memory.StoredSz("Protocol Name"), "SSH2");
  Side none(nullptr, Side::Terminal, nullptr);
  none.Checkpoint();
  none.SetProtocol("None", nullptr);
  EXPECT_EQ(none.SelectedIndex(), kNone);
  EXPECT_FALSE(none.IsModified()) << "None is never modified";
  MemoryKey saved;
  none.Save(saved.key, false);
  EXPECT_EQ(Joined(saved.StoredSz("Protocol Name"), saved.StoredSz("Test Host")), "None|<none>");
  none.SetProtocol("Telnet", nullptr);
  EXPECT_TRUE(none.IsModified());
}

TEST_F(ConnectConfigPtrTest, SwitchingCarriesSettingsAndKeepsEarlierRecords) {
  Side side(nullptr, Side::Terminal, nullptr);
  ConnectConfig* ssh2 = side;
  ssh2->SetHostname("alpha");
  ssh2->IsDefaultSession(1);
  side.SetProtocol("Telnet", nullptr);
  ConnectConfig* telnet = side;
  ASSERT_NE(telnet, ssh2);
  EXPECT_EQ(Joined(telnet->GetHostname(), telnet->IsDefaultSession()), "alpha|1");
  telnet->SetHostname("beta");
  side.SetProtocol("Telnet", nullptr);
  EXPECT_EQ(static_cast<ConnectConfig*>(side), telnet) << "the same name changes nothing";
  side.SetProtocol("SSH2", nullptr);
  EXPECT_EQ(static_cast<ConnectConfig*>(side), ssh2);
  EXPECT_EQ(ssh2->GetHostname(), "beta");
  side.SetProtocol("telnet", nullptr);  // the search after a switch is case-sensitive
  EXPECT_EQ(Joined(side.Protocol(), side.SelectedIndex(), side.operator->() == nullptr), "telnet|-1|1");
}

TEST_F(ConnectConfigPtrTest, RollbackReturnsToTheCheckpointAndDeltasApplyOnlyOnTheSameProtocol) {
  Side target(nullptr, Side::Terminal, nullptr);
  target.Checkpoint();
  target.SetProtocol("Telnet", nullptr);
  target->SetPort(2323);
  target.Rollback();
  EXPECT_EQ(Joined(target.Protocol(), target.SelectedIndex()), Joined("SSH2", kSsh2));
  target.SetProtocol("Telnet", nullptr);
  EXPECT_EQ(target->GetPort(), 22) << "records of other protocols roll back too";
  target.Rollback();
  for (char const* protocol : {"Telnet", "SSH2"}) {
    Side delta(nullptr, Side::Terminal, nullptr);
    delta.SetProtocol(protocol, nullptr);
    delta.Checkpoint();
    delta->SetPort(2222);
    target.ApplyDelta(&delta);
  }
  EXPECT_EQ(Joined(target->GetPort(), target.IsModified(), target.Protocol()), "2222|1|SSH2");
  Side other(nullptr, Side::Terminal, nullptr);
  other.Checkpoint();
  other.SetProtocol("Telnet", nullptr);
  other->SetPort(1);
  target.Rollback();
  target.ApplyDelta(&other);
  EXPECT_EQ(target->GetPort(), 22) << "a delta on another protocol changes nothing";
}

TEST_F(ConnectConfigPtrTest, CopiesTakeOnlyTheSelectedRecord) {
  Side side(nullptr, Side::Terminal, nullptr);
  side->SetHostname("alpha");
  side.SetProtocol("Telnet", nullptr);
  side->SetPort(2323);
  Side copy(side, nullptr);
  ASSERT_NE(static_cast<ConnectConfig*>(copy), static_cast<ConnectConfig*>(side));
  EXPECT_EQ(Joined(copy.Protocol(), copy->GetPort(), copy->GetHostname()), "Telnet|2323|alpha");
  copy.SetProtocol("SSH2", nullptr);
  EXPECT_EQ(copy->GetPort(), 22) << "a fresh SSH2 record: the original's was not copied";
  Side target(nullptr, Side::Terminal, nullptr);
  target.SetConnectConfig(side, nullptr);
  EXPECT_EQ(Joined(target.Protocol(), target->GetPort()), "Telnet|2323");
  side.SetProtocol("telnet", nullptr);
  target.SetConnectConfig(side, nullptr);
  EXPECT_EQ(Joined(target.Protocol(), target.operator->() == nullptr), "|1");
}

TEST(ConnectConfigTest, CountsReferencesCopiesItsFlagsAndNoneKeepsTheBaseAnswers) {
  ConnectConfig* none = NoneConfig::Create(nullptr, nullptr);
  void* object = none;
  EXPECT_EQ(none->QueryInterface(IID{}, &object), E_NOINTERFACE);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(Joined(none->IsModified(), none->GetFirewallName(), none->GetPort(), none->CanConnect()), "0|None|-1|0");
  none->IsDefaultSession(1);
  none->HasCommandLine(2);
  none->PluginField(3);
  EXPECT_EQ(none->AddRef(), 2u);
  ConnectConfig* clone = none->Clone(nullptr);
  EXPECT_EQ(Joined(clone->IsDefaultSession(), clone->HasCommandLine(), clone->PluginField()), "1|2|3");
  EXPECT_EQ(clone->Release(), 0u) << "a copy starts with one reference";
  EXPECT_EQ(none->Release(), 1u);
  EXPECT_EQ(none->Release(), 0u);
}

using Session = SessionHolder;

// Sessions on the test plug-ins, seen from a terminal host; Serial is registered as well.
class SessionConfigTest : public ProtocolSides {
 protected:
  SessionConfigTest() {
    folder.Install("Serial.so");
    Register(folder.Base().c_str(), 8, 3);
    ConnectDialogDllInitApplicationName("HaloKorvo");
  }
  ~SessionConfigTest() override { ConnectDialogDllInitApplicationName(""); }
  static Session Make(char const* name, VProfileKey* key) {
    return Session(static_cast<SessionConfig*>(CreateSessionConfig(name, key)));
  }
  InstalledMemoryStore installed;
};

TEST_F(SessionConfigTest, NullKeyGivesTheDefaultsInSaveOrder) {
  Session session = Make("Demo", nullptr);
  MemoryKey saved;
  session->Save(saved.key, true);
  ExpectGolden("default_session.txt", DumpKey(saved.key));
  EXPECT_EQ(Joined(session->GetTerminalProtocol(), session->GetTransferProtocol()), "SSH2|SFTP");
}

TEST_F(SessionConfigTest, LoadingRepairsStoredValues) {
  ExpectCaseFile("connectdialog/session_load_repairs.txt", [&](std::string const& line) {
    MemoryKey stored, saved;
    std::string const name = line.substr(0, line.find(" after ")), numbers = line.substr(name.size() + 7) + ", ";
    for (size_t at = 0, end; (end = numbers.find(", ", at)) != std::string::npos; at = end + 2) {
      std::string const one = numbers.substr(at, end - at);
      stored.key->SetDword(one.substr(0, one.find('=')).c_str(), std::stoul(one.substr(one.find('=') + 1)));
    }
    Make("Demo", stored.key)->Save(saved.key, true);
    return DumpValue(saved.key, name);
  });
}

// Which stored forms are converted, and how, is VProfileCapiStringTest's.
TEST_F(SessionConfigTest, ProtectedLoginScriptIsRewrittenEncodedWhileLoading) {
  TempFolder world;
  ScopedEnv root("BRIMVALE_ROOT", world.Path().c_str()), tmp("TMPDIR", world.Path().c_str());
  memory.key->SetSz("Login Script", VProfileCapiString().Protect("login: me").Str().c_str());
  Session session = Make("Demo", memory.key);
  EXPECT_EQ(Joined(session->loginScript.Current(), VProfileEncodedString::Decode(memory.StoredSz("Login Script"))),
            "login: me|login: me");
}

TEST_F(SessionConfigTest, DefaultSessionWritesItsDefaultsOnceAndKeepsItsProtocol) {
  Make("Default", nullptr);
  VProfileStore store;
  ASSERT_TRUE(store.Root()->KeyExists("Sessions\\Default"));
  VProfileKey defaults(store.Root(), "Sessions\\Default");
  MemoryKey everything;
  Make("Demo", nullptr)->Save(everything.key, true);
  EXPECT_EQ(KeyNames(&defaults, true), KeyNames(everything.key, true));
  defaults.SetSz("Title Bar", "kept");
  Make("Default", nullptr);
  EXPECT_EQ(DumpValue(&defaults, "Title Bar"), "sz \"kept\"");
  // An empty stored protocol: the default session stores the table's default, others get None.
  memory.key->SetSz("Protocol Name", "");
  EXPECT_EQ(Make("Other", memory.key)->GetTerminalProtocol(), "None");
  EXPECT_EQ(memory.StoredSz("Protocol Name"), "");
  EXPECT_EQ(Make("Default", memory.key)->GetTerminalProtocol(), "SSH2");
  EXPECT_EQ(Joined(memory.StoredSz("Protocol Name"), memory.StoredDword("Max Transfer Buffers")), "SSH2|4");
}

TEST_F(SessionConfigTest, DescriptionCommandLineAndDefaultTest) {
  memory.key->SetSz("Protocol Name", "Serial");
  Session serial = Make("Modem", memory.key);
  serial->GetTermConnectConfig()->SetHostname("COM1");
  serial->description.SetText("a\nb");
  EXPECT_EQ(serial->GetConnectDialogDescription(), "Port: COM1\na\r\nb");
  serial->SetSessionPath("Folder\\Name");
  EXPECT_EQ(serial->CommandLine(), "/S \"Folder\\Name\"");
  serial->GetTermConnectConfig()->HasCommandLine(1);
  EXPECT_EQ(serial->CommandLine(), "");  // the test plug-in writes no arguments and has no firewall
  Session named = Make("Default", nullptr);
  EXPECT_EQ(Joined(Make("default", nullptr)->IsDefaultSession(), named->IsDefaultSession()), "0|1");
  named->SetSessionPath("Folder\\Default");
  EXPECT_EQ(named->IsDefaultSession(), 0);
}

TEST_F(SessionConfigTest, RelevantSideFollowsTheHostName) {
  Session session = Make("Demo", nullptr);
  session->GetTermConnectConfig()->SetHostname("term:22");
  session->logFilename = "%S-%H.log";
  EXPECT_EQ(Joined(session->GetRelevantProtocol(), session->GetExpandedLogFilename()), "SSH2|Demo-term_22.log");
  ConnectDialogDllInitApplicationName("HaloFyx");
  EXPECT_EQ(Joined(session->GetRelevantProtocol(), session->GetExpandedLogFilename()), "SFTP|Demo-.log");
  session->SetRelevantProtocol("None");
  EXPECT_EQ(Joined(session->GetTransferProtocol(), session->GetTerminalProtocol()), "None|SSH2");
}

TEST_F(SessionConfigTest, SavedReloadedClonedAndSavedAgainIsTheSameBytes) {
  Session original = Make("Demo", nullptr);
  original->loginScript = "send me";
  original->description.SetText("one\ntwo");
  original->idleTimeout = 600;
  original->printerSerialPort.baudRate = 9600;
  original->terminal.rows = 40;
  original->GetTermConnectConfig()->SetHostname("host");
  original->SetTransferProtocol("None");
  original->Save(memory.key, true);
  Session reloaded = Make("Demo", memory.key);
  Session clone(static_cast<SessionConfig*>(reloaded->Clone()));
  reloaded->GetTermConnectConfig()->SetHostname("changed");
  MemoryKey copy;
  clone->Save(copy.key, true);
  ASSERT_EQ(KeyNames(copy.key, true), KeyNames(memory.key, true));
  for (std::string const& name : KeyNames(memory.key, true))
    if (name != "Login Script") {
      EXPECT_EQ(DumpValue(copy.key, name), DumpValue(memory.key, name)) << name;
    }
  EXPECT_EQ(Joined(VProfileEncodedString::Decode(copy.StoredSz("Login Script")), copy.StoredSz("Test Host")),
            "send me|host");
}

TEST_F(SessionConfigTest, PresetsSwitchToTelnetAndSetTheTerminal) {
  Session vms = Make("Demo", nullptr);
  vms->loadVMS();
  TerminalConfig const& terminal = vms->terminal;
  EXPECT_EQ(Joined(vms->GetTerminalProtocol(), terminal.emulation, terminal.narrowFont.Current().lfHeight,
                   terminal.normalFont.Current().lfOutPrecision), "Telnet|VT220|-9|4");
  Session crisp = Make("Demo", nullptr);
  crisp->loadCRiSP();
  EXPECT_EQ(Joined(crisp->terminal.keymapName, crisp->terminal.normalFont.Current().lfCharSet), "Custom|255");
  EXPECT_TRUE(crisp->terminal.keymapFilename.View().ends_with("/keymaps/crisp.key"));
}

}  // namespace
