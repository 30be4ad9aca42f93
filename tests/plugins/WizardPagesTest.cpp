// Our plug-ins' New Session Wizard pages, loaded through dlopen as a host loads them: which pages
// each protocol adds, what they write into the session, and what they refuse.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "connectdialog/database/GlobalConfigWorld.h"
#include "dialogs/NewSessionWizard.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "platform/ui/UserInterface.h"
#include "session/ConnectProtocolTable.h"
#include "session/SessionConfig.h"
#include "support/BuiltPluginFolder.h"
#include "support/Golden.h"
#include "support/OptionText.h"
#include "support/RegisterProtocolRow.h"
#include "support/StartWizard.h"

namespace {

class WizardPagesTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_folder = new BuiltPluginFolder(CONNECTION_PROTOCOLS_DIR);
    GetConnectProtocolTable().RemoveAll();
    for (auto [row, product] : {std::pair{4, 3}, {5, 3}, {6, 3}, {7, 3}, {8, 3}, {9, 3}, {10, 6}, {11, 6}})
      RegisterProtocolRow(s_folder->Base().c_str(), row, product);
  }
  static void TearDownTestSuite() {
    GetConnectProtocolTable().RemoveAll();
    delete s_folder;
  }

  WizardPagesTest() { SetUserInterface(&ui); }
  ~WizardPagesTest() override {
    SetUserInterface(nullptr);
    IsHaloKorvo_Korvo_Installed(false);
    IsHaloFyx_Installed(false);
  }

  static void Use(int product) {
    GlobalConfigWorld::UseProduct(product);
    IsHaloKorvo_Korvo_Installed(product != kProductHaloFyx);
    IsHaloFyx_Installed(product == kProductHaloFyx);
  }
  // Actions: "next", "finish", or "ID=VALUE" into the current page.
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

  static inline BuiltPluginFolder* s_folder = nullptr;
  GlobalConfigWorld world;
  HeadlessUserInterface ui;
};

// After choosing the protocol and pressing Next, the actions; then the pages shown and what the
// session holds, `option` among it.
TEST_F(WizardPagesTest, EachProtocolAsksForItsOwnValues) {
  struct Case { int product; char const* protocol; std::vector<std::string> actions; char const* option; };
  std::string text;
  for (Case const& c : {
           Case{3, "SSH2", {"1501=web01", "1502=2222", "next", "1503=alice", "next", "finish"}, "SSH2 Port"},
           Case{3, "SSH1", {"1501=old", "next", "next", "finish"}, "SSH1 Port"},
           Case{3, "Telnet", {"1501=gate", "1502=2323", "next", "next", "finish"}, "Telnet Port"},
           Case{3, "RLogin", {"1501=r1", "next", "1503=bob", "next", "finish"}, "RLogin Port"},
           Case{3, "Serial", {"1504=/dev/ttyUSB0", "1505=115200", "next", "finish"}, "Serial Baud Rate"},
           Case{3, "TAPI", {"1506=555-0100", "next", "finish"}, "TAPI Phone Number"},
           Case{6, "SFTP", {"1501=files", "1502=2022", "next", "1503=carol", "next", "finish"}, "SFTP Port"},
           Case{6, "FTP", {"1501=ftp.lab", "next", "next", "finish"}, "FTP Port"}}) {
    Use(c.product);
    auto session = std::make_unique<SessionConfig>(CString("New"), nullptr);
    text += std::string(c.protocol) + ": pages";
    {
      NewSessionWizard wizard(session.get(), c.product);
      StartWizard(wizard);
      Walk(wizard, {std::string("1212=") + c.protocol, "next"});
      Walk(wizard, c.actions);
      for (unsigned int page : wizard.ShownPages()) text += " " + std::to_string(page);
      EXPECT_EQ(wizard.EndCode(), NewSessionWizard::kFinish) << c.protocol;
    }
    ConnectConfig* record = session->GetRelevantConnectConfig();
    ASSERT_NE(record, nullptr) << c.protocol;
    text += "; protocol " + session->GetRelevantProtocol().Str() + ", host " + record->GetHostname().Str() + ", user " +
            record->GetUsername().Str() + ", " + c.option + " " + OptionText(*session, c.option) + ", name " +
            session->GetSessionName().Str() + "\n";
    EXPECT_TRUE(ui.Shown().empty()) << ui.Shown().front().text;
  }
  ExpectGolden("plugins/wizard_pages.txt", text);
}

TEST_F(WizardPagesTest, BadValuesKeepThePageAndChangeNothing) {
  // typed: "ID=VALUE".
  struct Case { int product; char const *protocol, *typed, *message, *option, *unchanged; };
  for (Case const& c : {
           Case{3, "SSH2", "1502=70000", "Please enter an integer between 1 and 65535.", "SSH2 Port", "22"},
           Case{3, "SSH2", "1502=0", "Please enter an integer between 1 and 65535.", "SSH2 Port", "22"},
           Case{6, "FTP", "1502=2 1", "Please enter an integer.", "FTP Port", "21"},
           Case{3, "TAPI", "1506=call me", "\"call me\" is not a valid phone number.", "TAPI Phone Number", ""},
       }) {
    Use(c.product);
    auto session = std::make_unique<SessionConfig>(CString("New"), nullptr);
    NewSessionWizard wizard(session.get(), c.product);
    StartWizard(wizard);
    Walk(wizard, {std::string("1212=") + c.protocol, "next", c.typed});
    unsigned int const page = wizard.CurrentPage()->TemplateId();
    size_t const before = ui.Shown().size();
    Walk(wizard, {"next"});
    ASSERT_EQ(ui.Shown().size(), before + 1) << c.typed;
    EXPECT_EQ(ui.Shown().back().text, c.message);
    EXPECT_EQ(wizard.CurrentPage()->TemplateId(), page) << c.typed;
    EXPECT_EQ(OptionText(*session, c.option), c.unchanged) << c.typed;
  }
}

}  // namespace
