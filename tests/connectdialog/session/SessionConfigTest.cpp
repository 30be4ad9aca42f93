#include "session/SessionConfig.h"

#include <map>

#include "VProfileCapiString.h"
#include "connectdialog/session/ProtocolSides.h"
#include "library/LibraryState.h"
#include "support/Golden.h"
#include "support/InstalledMemoryStore.h"
#include "support/Joined.h"
#include "support/KeyDump.h"
#include "support/ScopedEnv.h"
#include "support/SessionHolder.h"

namespace {

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
  struct Case { std::map<std::string, unsigned long> stored; char const* name; long loaded; };
  Case const cases[] = {
      {{{"Idle Timeout", 5}}, "Idle Timeout", 10},        {{{"Idle Timeout", 20000000}}, "Idle Timeout", 9999999},
      {{{"Idle Timeout", 0}}, "Idle Timeout", 300},       {{{"Idle Timeout", 0xFFFFFFFF}}, "Idle Timeout", 10},
      {{{"Idle NO-OP Timeout", 9}}, "Idle NO-OP Timeout", 10}, {{{"Idle Timeout", 120}}, "Idle Check", 1},
      {{{"Idle Timeout", 120}, {"Idle Check", 0}}, "Idle Check", 0}, {{{"Idle Timeout", 0}}, "Idle Check", 0},
      {{{"Max Transfer Buffers", 0}}, "Max Transfer Buffers", 4},
      {{{"Max Transfer Buffers", 9}}, "Max Transfer Buffers", 4},
      {{{"Max Transfer Buffers", 8}}, "Max Transfer Buffers", 8},
      {{{"Max Transfer Buffers", 1}}, "Max Transfer Buffers", 1},
      {{{"XModem Send Packet Size", 128}}, "XModem Send Packet Size", 0},
      {{{"XModem Send Packet Size", 1024}}, "XModem Send Packet Size", 1024},
      {{{"Use Raw Mode", 1}, {"Use Printer Port", 1}}, "Use Printer Port", 0},
      {{{"Use Raw Mode", 0}, {"Use Printer Port", 1}}, "Use Printer Port", 1}, {{{"Is Session", 0}}, "Is Session", 1},
  };
  for (Case const& c : cases) {
    MemoryKey stored, saved;
    for (auto const& [name, value] : c.stored) stored.key->SetDword(name.c_str(), value);
    Make("Demo", stored.key)->Save(saved.key, true);
    EXPECT_EQ(saved.StoredDword(c.name), c.loaded) << c.name << " from " << c.stored.begin()->first;
  }
}

// An unreadable protected script is kept stored for whoever can read it.
TEST_F(SessionConfigTest, ProtectedLoginScriptIsRewrittenEncodedWhileLoadingWhenReadable) {
  TempFolder world;
  ScopedEnv root("BRIMVALE_ROOT", world.Path().c_str()), tmp("TMPDIR", world.Path().c_str());
  std::string const protectedForm = VProfileCapiString().Protect("login: me").Str();
  ASSERT_TRUE(protectedForm.starts_with("CAPI:"));
  struct Case { std::string stored; bool rewritten; char const* script; };  // script: null when not checked
  Case const cases[] = {{protectedForm, true, "login: me"}, {"capi:" + protectedForm.substr(5), false, nullptr},
                        {"CAPI:00", false, ""}, {"CAPI:0", false, ""}};
  for (Case const& c : cases) {
    SCOPED_TRACE(c.stored);
    memory.key->SetSz("Login Script", c.stored.c_str());
    Session session = Make("Demo", memory.key);
    if (c.script) EXPECT_EQ(session->loginScript, c.script);
    std::string const after = memory.StoredSz("Login Script");
    EXPECT_EQ(after == c.stored, !c.rewritten);
    if (c.rewritten) EXPECT_EQ(VProfileEncodedString::Decode(after), "login: me");
  }
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
    if (name != "Login Script") EXPECT_EQ(DumpValue(copy.key, name), DumpValue(memory.key, name)) << name;
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
