// The protocol plug-ins as a host meets them: loaded through LoadProtocolDll from a
// "Connection Protocols" folder holding the built modules (and "SSH1.enable").
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>

#include "CommandLineText.h"
#include "VProfileEncodedString.h"
#include "VProfileKeyIterator.h"
#include "VRegistryStoreFactory.h"
#include "session/CommonConfig.h"
#include "session/ConnectConfigPtr.h"
#include "session/ConnectProtocolTable.h"
#include "session/CredentialSavingPolicy.h"
#include "support/ScopedRoot.h"
#include "support/BuiltPluginFolder.h"
#include "support/RegisterProtocolRow.h"
#include "vutils/MemoryKey.h"

namespace {

namespace fs = std::filesystem;

struct Releaser {
  void operator()(ConnectConfig* record) const { record->Release(); }
};
using Record = std::unique_ptr<ConnectConfig, Releaser>;

struct Row { int row; int productId; char const* protocol; int port; };
// Every row of the built-in list, in order.
Row const kRows[] = {{0, 1, "Telnet", 23}, {1, 1, "RLogin", 513}, {2, 1, "Serial", -1}, {3, 1, "TAPI", -1},
                     {4, 3, "SSH2", 22},   {5, 3, "SSH1", 22},    {6, 3, "Telnet", 23}, {7, 3, "RLogin", 513},
                     {8, 3, "Serial", -1}, {9, 3, "TAPI", -1},    {10, 6, "SFTP", 22},  {11, 6, "FTP", 21},
                     {12, 7, "SSH2", 22}};

class ProtocolPluginsTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_folder = new BuiltPluginFolder(CONNECTION_PROTOCOLS_DIR);
    GetConnectProtocolTable().RemoveAll();
    std::string const base = s_folder->Base();
    for (Row const& row : kRows) s_loaded[row.row] = RegisterProtocolRow(base.c_str(), row.row, row.productId);
  }
  static void TearDownTestSuite() {
    GetConnectProtocolTable().RemoveAll();
    delete s_folder;
  }

  ProtocolPluginsTest() { CredentialSavingPolicy::Reset(); }
  ~ProtocolPluginsTest() override { CredentialSavingPolicy::Reset(); }

  static Record Make(char const* protocol, VProfileKey* key = nullptr, ICommonConfig* common = nullptr) {
    ConnectProtocolTable& table = GetConnectProtocolTable();
    for (int i = 0; i < table.GetSize(); ++i)
      if (table[i].protocolName == protocol) return Record(table[i].CreateRecord(key, common));
    return Record();
  }

  // Hands `text` to the record as a host would; returns the first argument it left.
  static std::string Parse(ConnectConfig& record, char const* text) {
    CStringList arguments;
    CommandLineText::Split(text, arguments);
    POSITION position = arguments.GetHeadPosition();
    record.ProcessCommandLine(arguments, position);
    return position ? arguments.GetAt(position).Str() : "";
  }

  // Every value of `key` as text; numbers in decimal, passwords decoded (their keys are random).
  static std::map<std::string, std::string> Stored(VProfileKey* key) {
    std::map<std::string, std::string> values;
    VProfileKeyIterator names(key, true);
    for (VString name; names.Next(name);) {
      VString text;
      unsigned long number = 0;
      if (key->GetSz(name, text))
        values[name.Str()] = name.View().ends_with("Password") ? VProfileEncodedString::Decode(text).Str() : text.Str();
      else if (key->GetDword(name, number))
        values[name.Str()] = std::to_string(number);
    }
    return values;
  }

  // The session's command line: the firewall switch, then the record's own arguments.
  static std::string HostCommandLine(ConnectConfig& record) {
    return (record.GetFirewallName() == "None" ? "" : "/FIREWALL ") + record.CommandLine().Str();
  }

  static void SetPasswordPolicy(unsigned long allowed) {
    VRegistryStoreFactory factory(HKEY_LOCAL_MACHINE, "SOFTWARE\\Brimvale\\Global");
    VProfileStore store(&factory);
    ASSERT_TRUE(store.Root()->SetDword("Save Passwords", allowed));
  }

  inline static BuiltPluginFolder* s_folder = nullptr;
  inline static std::map<int, bool> s_loaded;
  ScopedRoot root;
};

TEST_F(ProtocolPluginsTest, EveryRowRegistersARecordOfItsProtocol) {
  ConnectProtocolTable& table = GetConnectProtocolTable();
  ASSERT_EQ(table.GetSize(), 13);
  for (Row const& row : kRows) {
    SCOPED_TRACE(row.row);
    ASSERT_TRUE(s_loaded[row.row]);
    ConnectProtocolTableElement const& element = table[row.row];
    EXPECT_EQ(element.protocolName, row.protocol);
    EXPECT_EQ(element.productId, row.productId);
    Record record(element.CreateRecord(nullptr, nullptr));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->GetPort(), row.port);
    record->SetHostname("5551234");
    std::string const expected = "/" + std::string(row.protocol) + " 5551234";
    EXPECT_STRCASEEQ(record->CommandLine(), expected.c_str()) << "the record is the row's protocol";
  }
}

TEST_F(ProtocolPluginsTest, CommandLinesParseStoreAndRoundTrip) {
  // left: the first argument not taken; commandLine: CommandLine() afterwards.
  struct Case { char const* protocol; char const* input; char const* left; char const* commandLine;
      std::map<std::string, std::string> stored; };
  Case const cases[] = {
      {"SSH2", "/SSH2 /L user /P 2222 host", "", "/SSH2 /L user /P 2222 host",
       {{"Hostname", "host"}, {"Username", "user"}, {"SSH2 Port", "2222"}, {"SSH2 Password", ""}}},
      {"SSH2", R"(/ssh2 host 2200 /Z /AUTH Password,publickey /I "/home/a b/id" /PASSWORD pw /S "x")", "/S",
       R"(/SSH2 /P 2200 /I "/home/a b/id" /Z /AUTH password,publickey host)",
       {{"SSH2 Compression", "1"}, {"SSH2 Authentication Order", "password,publickey"},
        {"SSH2 Identity Filename", "/home/a b/id"}, {"SSH2 Password", ""}}},
      {"SSH2", R"(/FIREWALL "Office Wall" /SSH2 host)", "", R"("Office Wall" /SSH2 host)",
       {{"Firewall Name", "Office Wall"}, {"SSH2 Authentication Order", "publickey,keyboard-interactive,password"}}},
      {"SSH2", "/SSH2 /P 70000 host", "/P", "/SSH2", {{"Hostname", ""}, {"SSH2 Port", "22"}}},
      {"SSH2", "/SSH2 /AUTH password,password host", "/AUTH", "/SSH2", {}},
      {"SSH1", R"(/SSH1 /C blowfish /L root /I "C:\my keys\\" host)", "",
       R"(/SSH1 /L root /I "C:\my keys\\" /C Blowfish host)",
       {{"SSH1 Cipher", "Blowfish"}, {"SSH1 Identity Filename", R"(C:\my keys\)"}, {"SSH1 Port", "22"}}},
      {"SSH1", "/SSH1 /C rc4 host", "/C", "/SSH1", {{"SSH1 Cipher", "3DES"}}},
      {"Telnet", "/TELNET host 23", "", "/TELNET host", {{"Hostname", "host"}, {"Telnet Port", "23"}}},
      {"Telnet", "/TELNET host 2323 extra", "extra", "/TELNET /P 2323 host", {{"Telnet Port", "2323"}}},
      {"Telnet", "/TELNET host port", "port", "/TELNET host", {}},
      {"Telnet", "/TELNET /L", "/L", "/TELNET", {{"Username", ""}}},
      {"RLogin", "/RLOGIN /L me server", "", "/RLOGIN /L me server", {{"RLogin Port", "513"}, {"Username", "me"}}},
      {"Serial", "/SERIAL /BAUD 115200 /PARITY Even /STOP 1.5 /FLOW rts-cts /dev/ttyUSB0", "",
       "/SERIAL /BAUD 115200 /PARITY even /STOP 1.5 /FLOW rts-cts /dev/ttyUSB0",
       {{"Serial Port", "/dev/ttyUSB0"}, {"Serial Baud Rate", "115200"}, {"Serial Data Bits", "8"},
        {"Serial Parity", "2"}, {"Serial Stop Bits", "1"}, {"Serial Flow Control", "2"}}},
      {"Serial", "/SERIAL /BAUD 9601 COM1", "/BAUD", "/SERIAL /dev/ttyS0", {{"Serial Baud Rate", "9600"}}},
      {"Serial", "/SERIAL /DATA 7 COM1 COM2", "COM2", "/SERIAL /DATA 7 COM1", {{"Serial Data Bits", "7"}}},
      {"TAPI", R"(/TAPI /MODEM "USR Courier" "+1 (555) 123-4567")", "",
       R"(/TAPI /MODEM "USR Courier" "+1 (555) 123-4567")",
       {{"TAPI Phone Number", "+1 (555) 123-4567"}, {"TAPI Modem", "USR Courier"}}},
      {"TAPI", "/TAPI call-me", "call-me", "/TAPI", {{"TAPI Phone Number", ""}}},
      {"SFTP", R"(/SFTP /L u /DIR "/srv/my files" host)", "", R"(/SFTP /L u /DIR "/srv/my files" host)",
       {{"SFTP Initial Directory", "/srv/my files"}, {"SFTP Port", "22"}}},
      {"FTP", "/FTP /ANONYMOUS /ACTIVE /ACCOUNT acct /P 2121 host", "",
       "/FTP /P 2121 /ACTIVE /ANONYMOUS /ACCOUNT acct host",
       {{"FTP Passive Mode", "0"}, {"FTP Anonymous Login", "1"}, {"FTP Account", "acct"}, {"FTP Port", "2121"}}},
      {"FTP", "/FTP host 0", "0", "/FTP host", {{"FTP Passive Mode", "1"}, {"FTP Initial Directory", ""}}},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.input);
    Record parsed = Make(c.protocol);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(Parse(*parsed, c.input), c.left);
    EXPECT_EQ(parsed->CommandLine(), c.commandLine);

    Record again = Make(c.protocol);
    EXPECT_EQ(Parse(*again, HostCommandLine(*parsed).c_str()), "");
    EXPECT_EQ(again->CommandLine(), c.commandLine) << "the command line reads back as itself";

    MemoryKey saved;
    parsed->Save(saved.key, true);
    std::map<std::string, std::string> const values = Stored(saved.key);
    for (auto const& [name, value] : c.stored)
      EXPECT_EQ(values.count(name) ? values.at(name) : "<none>", value) << name;

    // Reloaded, cloned and saved elsewhere: the same stored values.
    Record reloaded = Make(c.protocol, saved.key);
    Record clone(reloaded->Clone(nullptr));
    MemoryKey copy;
    clone->Save(copy.key, true);
    EXPECT_EQ(Stored(copy.key), values);
    EXPECT_EQ(clone->CommandLine(), c.commandLine);
  }
}

TEST_F(ProtocolPluginsTest, TemporaryPasswordIsUsedButNeverStored) {
  Record record = Make("SSH2");
  EXPECT_EQ(Parse(*record, "/SSH2 /PASSWORD secret host"), "");
  EXPECT_EQ(record->GetPassword(), "secret");
  EXPECT_EQ(record->CommandLine(), "/SSH2 host");
  record->SetPassword("kept");
  record->SetTemporaryPassword("once");
  EXPECT_EQ(record->GetPassword(), "once");

  MemoryKey saved;
  record->Save(saved.key, false);
  EXPECT_EQ(Stored(saved.key).at("SSH2 Password"), "kept");
  EXPECT_EQ(Make("SSH2", saved.key)->GetPassword(), "kept");
  EXPECT_TRUE(Make("SSH2", saved.key)->IsPasswordValid());
}

TEST_F(ProtocolPluginsTest, ForbiddenPasswordsAreHeldInMemoryAndErasedFromTheStore) {
  MemoryKey saved;
  saved.key->SetSz("FTP Password", VProfileEncodedString::Encode("old"));
  SetPasswordPolicy(0);
  Record record = Make("FTP", saved.key);
  EXPECT_EQ(record->GetPassword(), "");
  EXPECT_FALSE(record->IsPasswordValid());
  record->SetPassword("typed");
  EXPECT_EQ(record->GetPassword(), "typed");
  EXPECT_FALSE(record->IsModified()) << "nothing to save";
  record->Save(saved.key, false);
  EXPECT_EQ(Stored(saved.key).at("FTP Password"), "");
}

TEST_F(ProtocolPluginsTest, ProtocolSwitchCarriesHostUserAndSshPort) {
  // host: what RLogin finds after a switch from Serial, which hands nothing on.
  struct Case { bool sharedCommon; char const* host; char const* user; };
  for (Case const c : {Case{false, "", ""}, Case{true, "host", "user"}}) {
    SCOPED_TRACE(c.sharedCommon);
    std::optional<CommonConfig> common;
    if (c.sharedCommon) common.emplace();
    ICommonConfig* shared = common ? &*common : nullptr;
    MemoryKey key;
    key.key->SetSz("Protocol Name", "SSH2");
    ConnectConfigPtr side(key.key, ConnectConfigPtr::Terminal, shared);
    ConnectConfig* ssh2 = side;
    ASSERT_EQ(Parse(*ssh2, "/SSH2 /L user /P 2222 host"), "");

    struct Step { char const* protocol; char const* host; char const* user; int port; };
    Step const steps[] = {{"SSH1", "host", "user", 2222},
                          {"Telnet", "host", "user", 23}, {"Serial", "/dev/ttyS0", "", -1},
                          {"RLogin", c.host, c.user, 513},
                          {"SSH2", "host", "user", 2222}};
    for (Step const& step : steps) {
      side.SetProtocol(step.protocol, shared);
      SCOPED_TRACE(step.protocol);
      ASSERT_TRUE(side.operator->());
      EXPECT_EQ(side->GetHostname(), step.host);
      EXPECT_EQ(side->GetUsername(), step.user);
      EXPECT_EQ(side->GetPort(), step.port);
    }
    EXPECT_EQ(side.operator->(), ssh2) << "switching back finds the same record";
  }
}

}  // namespace
