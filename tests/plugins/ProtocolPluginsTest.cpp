// The protocol plug-ins as a host meets them: loaded through LoadProtocolDll from a
// "Connection Protocols" folder holding the built modules (and "SSH1.enable").
#include <gtest/gtest.h>

#include <map>
#include <memory>

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
#include "support/Golden.h"
#include "support/RegisterProtocolRow.h"
#include "vutils/MemoryKey.h"

namespace {

using Record = std::unique_ptr<ConnectConfig, decltype([](ConnectConfig* record) { record->Release(); })>;

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

// Each command line as the record took it: the first argument it left, its CommandLine()
// afterwards and every value it stored.
TEST_F(ProtocolPluginsTest, CommandLinesParseStoreAndRoundTrip) {
  std::string text;
  for (auto const& [protocol, input] : std::initializer_list<std::pair<char const*, char const*>>{
           {"SSH2", "/SSH2 /L user /P 2222 host"},
           {"SSH2", R"(/ssh2 host 2200 /Z /AUTH Password,publickey /I "/home/a b/id" /PASSWORD pw /S "x")"},
           {"SSH2", R"(/FIREWALL "Office Wall" /SSH2 host)"}, {"SSH2", "/SSH2 /P 70000 host"},
           {"SSH2", "/SSH2 /AUTH password,password host"},
           {"SSH1", R"(/SSH1 /C blowfish /L root /I "C:\my keys\\" host)"},
           {"SSH1", "/SSH1 /C rc4 host"}, {"Telnet", "/TELNET host 23"}, {"Telnet", "/TELNET host 2323 extra"},
           {"Telnet", "/TELNET host port"}, {"Telnet", "/TELNET /L"}, {"RLogin", "/RLOGIN /L me server"},
           {"Serial", "/SERIAL /BAUD 115200 /PARITY Even /STOP 1.5 /FLOW rts-cts /dev/ttyUSB0"},
           {"Serial", "/SERIAL /BAUD 9601 COM1"}, {"Serial", "/SERIAL /DATA 7 COM1 COM2"},
           {"TAPI", R"(/TAPI /MODEM "USR Courier" "+1 (555) 123-4567")"}, {"TAPI", "/TAPI call-me"},
           {"SFTP", R"(/SFTP /L u /DIR "/srv/my files" host)"},
           {"FTP", "/FTP /ANONYMOUS /ACTIVE /ACCOUNT acct /P 2121 host"},
           {"FTP", "/FTP host 0"}}) {
    SCOPED_TRACE(input);
    Record parsed = Make(protocol);
    ASSERT_TRUE(parsed);
    std::string const left = Parse(*parsed, input);
    text += std::string("## ") + protocol + " " + input + "\nleft: " + left + "\ncommand line: " +
            parsed->CommandLine().Str() + "\n";
    Record again = Make(protocol);
    EXPECT_EQ(Parse(*again, HostCommandLine(*parsed).c_str()), "");
    EXPECT_EQ(again->CommandLine(), parsed->CommandLine()) << "the command line reads back as itself";
    MemoryKey saved;
    parsed->Save(saved.key, true);
    std::map<std::string, std::string> const values = Stored(saved.key);
    for (auto const& [name, value] : values) text += name + "=" + value + "\n";
    // Reloaded, cloned and saved elsewhere: the same stored values.
    Record reloaded = Make(protocol, saved.key);
    Record clone(reloaded->Clone(nullptr));
    MemoryKey copy;
    clone->Save(copy.key, true);
    EXPECT_EQ(Stored(copy.key), values);
    EXPECT_EQ(clone->CommandLine(), parsed->CommandLine());
  }
  ExpectGolden("plugins/command_lines.txt", text);
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
  MemoryKey ftp;
  ftp.key->SetSz("FTP Password", VProfileEncodedString::Encode("old"));
  VRegistryStoreFactory factory(HKEY_LOCAL_MACHINE, "SOFTWARE\\Brimvale\\Global");
  ASSERT_TRUE(VProfileStore(&factory).Root()->SetDword("Save Passwords", 0));
  Record forbidden = Make("FTP", ftp.key);
  EXPECT_EQ(forbidden->GetPassword(), "");
  EXPECT_FALSE(forbidden->IsPasswordValid());
  forbidden->SetPassword("typed");
  EXPECT_EQ(forbidden->GetPassword(), "typed");
  EXPECT_FALSE(forbidden->IsModified()) << "nothing to save";
  forbidden->Save(ftp.key, false);
  EXPECT_EQ(Stored(ftp.key).at("FTP Password"), "");
}

TEST_F(ProtocolPluginsTest, ProtocolSwitchCarriesHostUserAndSshPort) {
  // host: what RLogin finds after a switch from Serial, which hands nothing on.
  struct Case { bool sharedCommon; char const* host; char const* user; };
  for (Case const c : {Case{false, "", ""}, Case{true, "host", "user"}}) {
    SCOPED_TRACE(c.sharedCommon);
    CommonConfig common;
    ICommonConfig* shared = c.sharedCommon ? &common : nullptr;
    MemoryKey key;
    key.key->SetSz("Protocol Name", "SSH2");
    ConnectConfigPtr side(key.key, ConnectConfigPtr::Terminal, shared);
    ConnectConfig* ssh2 = side;
    ASSERT_EQ(Parse(*ssh2, "/SSH2 /L user /P 2222 host"), "");

    struct Step { char const* protocol; std::string host, user; int port; };
    for (Step const& step : {Step{"SSH1", "host", "user", 2222}, Step{"Telnet", "host", "user", 23},
                             Step{"Serial", "/dev/ttyS0", "", -1}, Step{"RLogin", c.host, c.user, 513},
                             Step{"SSH2", "host", "user", 2222}}) {
      side.SetProtocol(step.protocol, shared);
      ASSERT_TRUE(side.operator->()) << step.protocol;
      EXPECT_EQ(side->GetHostname().Str() + "," + side->GetUsername().Str() + "," + std::to_string(side->GetPort()),
                step.host + "," + step.user + "," + std::to_string(step.port)) << step.protocol;
    }
    EXPECT_EQ(side.operator->(), ssh2) << "switching back finds the same record";
  }
}

}  // namespace
