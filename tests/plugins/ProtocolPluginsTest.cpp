// The protocol plug-ins as a host meets them: loaded through LoadProtocolDll from a
// "Connection Protocols" folder holding the built modules (and "SSH1.enable"). Their records,
// and the New Session Wizard pages each protocol adds: what they write and what they refuse.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "CommandLineText.h"
#include "VProfileEncodedString.h"
#include "VProfileKeyIterator.h"
#include "VRegistryStoreFactory.h"
#include "connectdialog/database/GlobalConfigWorld.h"
#include "dialogs/NewSessionWizard.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "platform/ui/UserInterface.h"
#include "session/BuiltInProtocol.h"
#include "session/CommonConfig.h"
#include "session/ConnectConfigPtr.h"
#include "session/ConnectProtocolTable.h"
#include "session/CredentialSavingPolicy.h"
#include "session/SessionConfig.h"
#include "support/BuiltPluginFolder.h"
#include "support/CaseFile.h"
#include "support/CaseInputFields.h"
#include "support/OptionText.h"
#include "support/RegisterProtocolRow.h"
#include "support/ScopedRoot.h"
#include "support/StartWizard.h"
#include "vutils/MemoryKey.h"

namespace {

using Record = std::unique_ptr<ConnectConfig, decltype([](ConnectConfig* record) { record->Release(); })>;

// Every row of the built-in list, registered for each suite.
class BuiltPlugins : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_folder = new BuiltPluginFolder(CONNECTION_PROTOCOLS_DIR);
    GetConnectProtocolTable().RemoveAll();
    for (int row = 0; row < kBuiltInProtocolCount; ++row)
      s_loaded[row] = RegisterProtocolRow(s_folder->Base().c_str(), row, builtInProtocols[row].productId);
  }
  static void TearDownTestSuite() {
    GetConnectProtocolTable().RemoveAll();
    delete s_folder;
  }

  inline static BuiltPluginFolder* s_folder = nullptr;
  inline static std::map<int, bool> s_loaded;
};

class ProtocolPluginsTest : public BuiltPlugins {
 protected:
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

  ScopedRoot root;
};

// A row of the built-in list: the entry it registered and a record of that entry's making.
TEST_F(ProtocolPluginsTest, EveryRowRegistersARecordOfItsProtocol) {
  EXPECT_EQ(GetConnectProtocolTable().GetSize(), kBuiltInProtocolCount);
  ExpectCaseFile("plugins/protocol_rows.txt", [](std::string const& input) {
    int const row = std::stoi(input);
    if (!s_loaded[row]) return std::string("not loaded\n");
    ConnectProtocolTableElement const& element = GetConnectProtocolTable()[row];
    Record record(element.CreateRecord(nullptr, nullptr));
    record->SetHostname("5551234");
    return element.protocolName.Str() + ", product " + std::to_string(element.productId) + ", port " +
           std::to_string(record->GetPort()) + ": " + record->CommandLine().Str() + "\n";
  });
}

// Each command line as the record took it: the first argument it left, its CommandLine()
// afterwards and every value it stored.
TEST_F(ProtocolPluginsTest, CommandLinesParseStoreAndRoundTrip) {
  ExpectCaseFile("plugins/command_lines.txt", [](std::string const& input) {
    std::string const protocol = input.substr(0, input.find(' '));
    Record parsed = Make(protocol.c_str());
    if (!parsed) return std::string("no record\n");
    std::string text = "left: " + Parse(*parsed, input.c_str() + protocol.size() + 1);
    text += "\ncommand line: " + parsed->CommandLine().Str() + "\n";
    Record again = Make(protocol.c_str());
    EXPECT_EQ(Parse(*again, HostCommandLine(*parsed).c_str()), "") << input;
    EXPECT_EQ(again->CommandLine(), parsed->CommandLine()) << "the command line reads back as itself: " << input;
    MemoryKey saved;
    parsed->Save(saved.key, true);
    std::map<std::string, std::string> const values = Stored(saved.key);
    for (auto const& [name, value] : values) text += name + "=" + value + "\n";
    // Reloaded, cloned and saved elsewhere: the same stored values.
    Record reloaded = Make(protocol.c_str(), saved.key);
    Record clone(reloaded->Clone(nullptr));
    MemoryKey copy;
    clone->Save(copy.key, true);
    EXPECT_EQ(Stored(copy.key), values) << input;
    EXPECT_EQ(clone->CommandLine(), parsed->CommandLine()) << input;
    return text;
  }, "## ");
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

// A case is "alone" or "shared" (a common record under the side), then the protocols switched to.
TEST_F(ProtocolPluginsTest, ProtocolSwitchCarriesHostUserAndSshPort) {
  ExpectCaseFile("plugins/protocol_switches.txt", [](std::string const& input) {
    CommonConfig common;
    ICommonConfig* shared = input.starts_with("shared") ? &common : nullptr;
    MemoryKey key;
    key.key->SetSz("Protocol Name", "SSH2");
    ConnectConfigPtr side(key.key, ConnectConfigPtr::Terminal, shared);
    ConnectConfig* ssh2 = side;
    EXPECT_EQ(Parse(*ssh2, "/SSH2 /L user /P 2222 host"), "");
    std::string text;
    for (std::string const& protocol : CaseInputFields(input.substr(input.find(": ") + 2), " ")) {
      side.SetProtocol(protocol.c_str(), shared);
      if (!side.operator->()) return text + protocol + ": no record\n";
      text += protocol + ": " + side->GetHostname().Str() + "," + side->GetUsername().Str() + "," +
              std::to_string(side->GetPort()) + "\n";
    }
    EXPECT_EQ(side.operator->(), ssh2) << "switching back finds the same record";
    return text;
  });
}

class WizardPagesTest : public BuiltPlugins {
 protected:
  WizardPagesTest() { SetUserInterface(&ui); }
  ~WizardPagesTest() override {
    SetUserInterface(nullptr);
    IsHaloKorvo_Korvo_Installed(false);
    IsHaloFyx_Installed(false);
  }

  // Each action is "next", "finish", or "ID=VALUE" into the current page.
  static void Walk(NewSessionWizard& wizard, std::vector<std::string> const& actions) {
    for (std::string const& action : actions) {
      std::string error;
      size_t const equals = action.find('=');
      bool const done = equals == std::string::npos
                            ? wizard.Command(action == "next" ? NewSessionWizard::kNext : NewSessionWizard::kFinish, error)
                            : wizard.SetControl(std::stoi(action.substr(0, equals)), action.substr(equals + 1), error);
      ASSERT_TRUE(done) << action << ": " << error;
    }
  }

  GlobalConfigWorld world;
  HeadlessUserInterface ui;
};

// A case is "PRODUCT PROTOCOL: ACTIONS" (see the file's note).
TEST_F(WizardPagesTest, EachProtocolAsksForItsOwnValuesAndRefusesBadOnes) {
  ExpectCaseFile("plugins/wizard_pages.txt", [&](std::string const& input) {
    size_t const space = input.find(' '), colon = input.find(": ");
    int const product = std::stoi(input.substr(0, space));
    std::string const protocol = input.substr(space + 1, colon - space - 1);
    std::string const option =
        protocol == "Serial" ? "Serial Baud Rate" : protocol == "TAPI" ? "TAPI Phone Number" : protocol + " Port";
    GlobalConfigWorld::UseProduct(product);
    IsHaloKorvo_Korvo_Installed(product != kProductHaloFyx);
    IsHaloFyx_Installed(product == kProductHaloFyx);
    auto session = std::make_unique<SessionConfig>(CString("New"), nullptr);
    size_t const shownBefore = ui.Shown().size();
    std::string text = "pages";
    {
      NewSessionWizard wizard(session.get(), product);
      StartWizard(wizard);
      Walk(wizard, {"1212=" + protocol, "next"});
      Walk(wizard, CaseInputFields(input.substr(colon + 2), ", "));
      for (unsigned int page : wizard.ShownPages()) text += " " + std::to_string(page);
      bool const finished = wizard.EndCode() == NewSessionWizard::kFinish;
      text += finished ? "; finished" : "; stays on " + std::to_string(wizard.CurrentPage()->TemplateId());
    }
    std::string says;
    for (size_t i = shownBefore; i < ui.Shown().size(); ++i) says += "says: " + ui.Shown()[i].text + "\n";
    ConnectConfig* record = session->GetRelevantConnectConfig();
    if (!record) return says + text + "\nno record\n";
    return says + text + "\nprotocol " + session->GetRelevantProtocol().Str() + ", host " +
           record->GetHostname().Str() + ", user " + record->GetUsername().Str() + ", " + option + " " +
           OptionText(*session, option.c_str()) + ", name " + session->GetSessionName().Str() + "\n";
  });
}

}  // namespace
