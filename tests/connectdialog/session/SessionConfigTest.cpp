#include "session/SessionConfig.h"

#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "VBasicBuffer.h"
#include "VProfileCapiString.h"
#include "connectdialog/session/ProtocolSides.h"
#include "database/SessionDatabase.h"
#include "library/LibraryState.h"
#include "support/Golden.h"
#include "support/InstalledMemoryStore.h"
#include "support/KeyDump.h"
#include "support/ScopedEnv.h"
#include "support/SessionHolder.h"

namespace {

using Session = SessionHolder;

using Value = std::variant<unsigned long, std::string>;

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
  void Store(std::map<std::string, Value> const& values) {
    for (auto const& [name, value] : values) {
      if (auto const* number = std::get_if<unsigned long>(&value))
        memory.key->SetDword(name.c_str(), *number);
      else
        memory.key->SetSz(name.c_str(), std::get<std::string>(value).c_str());
    }
  }
  InstalledMemoryStore installed;
};

TEST_F(SessionConfigTest, NullKeyGivesTheDefaultsInSaveOrder) {
  Session session = Make("Demo", nullptr);
  MemoryKey saved;
  session->Save(saved.key, true);
  ExpectGolden("default_session.txt", DumpKey(saved.key));
  EXPECT_EQ(session->GetTerminalProtocol(), "SSH2");
  EXPECT_EQ(session->GetTransferProtocol(), "SFTP");
}

TEST_F(SessionConfigTest, LoadingRepairsStoredValues) {
  struct Case { std::map<std::string, Value> stored; char const* name; long loaded; };
  Case const cases[] = {
      {{{"Idle Timeout", 5ul}}, "Idle Timeout", 10}, {{{"Idle Timeout", 20000000ul}}, "Idle Timeout", 9999999},
      {{{"Idle Timeout", 0ul}}, "Idle Timeout", 300}, {{{"Idle Timeout", 0xFFFFFFFFul}}, "Idle Timeout", 10},
      {{{"Idle NO-OP Timeout", 9ul}}, "Idle NO-OP Timeout", 10}, {{{"Idle Timeout", 120ul}}, "Idle Check", 1},
      {{{"Idle Timeout", 120ul}, {"Idle Check", 0ul}}, "Idle Check", 0}, {{{"Idle Timeout", 0ul}}, "Idle Check", 0},
      {{{"Max Transfer Buffers", 0ul}}, "Max Transfer Buffers", 4},
      {{{"Max Transfer Buffers", 9ul}}, "Max Transfer Buffers", 4},
      {{{"Max Transfer Buffers", 8ul}}, "Max Transfer Buffers", 8},
      {{{"Max Transfer Buffers", 1ul}}, "Max Transfer Buffers", 1},
      {{{"XModem Send Packet Size", 128ul}}, "XModem Send Packet Size", 0},
      {{{"XModem Send Packet Size", 1024ul}}, "XModem Send Packet Size", 1024},
      {{{"Use Raw Mode", 1ul}, {"Use Printer Port", 1ul}}, "Use Printer Port", 0},
      {{{"Use Raw Mode", 0ul}, {"Use Printer Port", 1ul}}, "Use Printer Port", 1},
      {{{"Is Session", 0ul}}, "Is Session", 1},
  };
  for (Case const& c : cases) {
    MemoryKey stored;
    for (auto const& [name, value] : c.stored) stored.key->SetDword(name.c_str(), std::get<unsigned long>(value));
    Session session = Make("Demo", stored.key);
    MemoryKey saved;
    session->Save(saved.key, true);
    EXPECT_EQ(saved.StoredDword(c.name), c.loaded) << c.name << " from " << c.stored.begin()->first;
  }
}

TEST_F(SessionConfigTest, ProtectedLoginScriptIsRewrittenEncodedWhileLoading) {
  TempFolder world;
  ScopedEnv root("BRIMVALE_ROOT", world.Path().c_str());
  VProfileCapiString capi;
  std::string const protectedForm = capi.Protect("login: me").Str();
  ASSERT_TRUE(protectedForm.starts_with("CAPI:"));

  memory.key->SetSz("Login Script", protectedForm.c_str());
  Session session = Make("Demo", memory.key);
  EXPECT_EQ(session->loginScript, "login: me");
  std::string const rewritten = memory.StoredSz("Login Script");
  EXPECT_FALSE(rewritten.starts_with("CAPI:"));
  EXPECT_EQ(VProfileEncodedString::Decode(rewritten), "login: me");

  std::string const lowerCase = "capi:" + protectedForm.substr(5);
  memory.key->SetSz("Login Script", lowerCase.c_str());
  Session untouched = Make("Demo", memory.key);
  EXPECT_EQ(memory.StoredSz("Login Script"), lowerCase);
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
  VString title;
  EXPECT_TRUE(defaults.GetSz("Title Bar", title));
  EXPECT_EQ(title, "kept");

  // An empty stored protocol: the default session stores the table's default, others get None.
  Store({{"Protocol Name", std::string()}});
  EXPECT_EQ(Make("Other", memory.key)->GetTerminalProtocol(), "None");
  EXPECT_EQ(memory.StoredSz("Protocol Name"), "");
  EXPECT_EQ(Make("Default", memory.key)->GetTerminalProtocol(), "SSH2");
  EXPECT_EQ(memory.StoredSz("Protocol Name"), "SSH2");
  EXPECT_EQ(memory.StoredDword("Max Transfer Buffers"), 4);
}

TEST_F(SessionConfigTest, DescriptionCommandLineAndDefaultTest) {
  Store({{"Protocol Name", std::string("Serial")}});
  Session serial = Make("Modem", memory.key);
  serial->GetTermConnectConfig()->SetHostname("COM1");
  serial->description.SetText("a\nb");
  EXPECT_EQ(serial->GetConnectDialogDescription(), "Port: COM1\na\r\nb");

  serial->SetSessionPath("Folder\\Name");
  EXPECT_EQ(serial->CommandLine(), "/S \"Folder\\Name\"");
  serial->GetTermConnectConfig()->HasCommandLine(1);
  EXPECT_EQ(serial->CommandLine(), "");  // the test plug-in writes no arguments and has no firewall

  Session lower = Make("default", nullptr);
  EXPECT_EQ(lower->IsDefaultSession(), 0);
  Session named = Make("Default", nullptr);
  EXPECT_EQ(named->IsDefaultSession(), 1);
  named->SetSessionPath("Folder\\Default");
  EXPECT_EQ(named->IsDefaultSession(), 0);
}

TEST_F(SessionConfigTest, RelevantSideFollowsTheHostName) {
  Session session = Make("Demo", nullptr);
  session->GetTermConnectConfig()->SetHostname("term:22");
  session->logFilename = "%S-%H.log";
  EXPECT_EQ(session->GetRelevantProtocol(), "SSH2");
  EXPECT_EQ(session->GetExpandedLogFilename(), "Demo-term_22.log");
  ConnectDialogDllInitApplicationName("HaloFyx");
  EXPECT_EQ(session->GetRelevantProtocol(), "SFTP");
  EXPECT_EQ(session->GetExpandedLogFilename(), "Demo-.log");
  session->SetRelevantProtocol("None");
  EXPECT_EQ(session->GetTransferProtocol(), "None");
  EXPECT_EQ(session->GetTerminalProtocol(), "SSH2");
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
  for (std::string const& name : KeyNames(memory.key, true)) {
    if (name == "Login Script")
      EXPECT_EQ(VProfileEncodedString::Decode(copy.StoredSz("Login Script")), "send me");
    else
      EXPECT_EQ(DumpValue(copy.key, name), DumpValue(memory.key, name)) << name;
  }
  EXPECT_EQ(copy.StoredSz("Test Host"), "host");
}

// The session's and the database's lists are the firewall store's (whose own test holds its
// rules), and they replace the buffer's old bytes.
TEST_F(SessionConfigTest, FirewallNamesAreTheFirewallStoresAndReplaceTheBuffer) {
  using namespace std::string_literals;
  InstalledMemoryStore fresh;
  VProfileKey(VProfileStore().Root(), "Firewalls\\Corp").SetSz("Firewall Type", "SOCKSv4");
  auto const serialized = [](auto fill) {
    VBasicBuffer* buffer = new VBasicBuffer(4, false);
    buffer->Append("old", 3, 0);
    fill(buffer);
    std::string bytes(reinterpret_cast<char const*>(buffer->Data()), buffer->Length());
    buffer->Release();
    return bytes;
  };
  std::string const fromSession =
      serialized([](IBuffer* buffer) { Make("Demo", nullptr)->GetSerializedFirewallNames(buffer); });
  EXPECT_EQ(fromSession, "\0\0\0\x10\0\0\0\x04None\0\0\0\x04"s + "Corp");
  EXPECT_EQ(fromSession, serialized([](IBuffer* buffer) { SessionDatabase::GetSerializedFirewallNames(buffer); }));
}

TEST_F(SessionConfigTest, PresetsSwitchToTelnetAndSetTheTerminal) {
  Session vms = Make("Demo", nullptr);
  vms->loadVMS();
  EXPECT_EQ(vms->GetTerminalProtocol(), "Telnet");
  EXPECT_EQ(vms->terminal.emulation, "VT220");
  EXPECT_EQ(vms->terminal.narrowFont.lfHeight, -9);
  EXPECT_EQ(vms->terminal.normalFont.lfOutPrecision, 4);
  Session crisp = Make("Demo", nullptr);
  crisp->loadCRiSP();
  EXPECT_EQ(crisp->terminal.keymapName, "Custom");
  EXPECT_EQ(crisp->terminal.normalFont.lfCharSet, 255);
  EXPECT_TRUE(crisp->terminal.keymapFilename.View().ends_with("/keymaps/crisp.key"));
}

}  // namespace
