// Our plug-ins' New Session Wizard pages, loaded through dlopen as a host loads them: which pages
// each protocol adds, what they write into the session, and what they refuse.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "connectdialog/database/GlobalConfigWorld.h"
#include "dialogs/NewSessionWizard.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "platform/ui/UserInterface.h"
#include "session/ConnectProtocolTable.h"
#include "session/SessionConfig.h"
#include "support/BuiltPluginFolder.h"
#include "support/CaseFile.h"
#include "support/CaseInputFields.h"
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

  static inline BuiltPluginFolder* s_folder = nullptr;
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
    Use(product);
    auto session = std::make_unique<SessionConfig>(CString("New"), nullptr);
    size_t const shownBefore = ui.Shown().size();
    std::string text = "pages";
    {
      NewSessionWizard wizard(session.get(), product);
      StartWizard(wizard);
      Walk(wizard, {"1212=" + protocol, "next"});
      Walk(wizard, CaseInputFields(input.substr(colon + 2), ", "));
      for (unsigned int page : wizard.ShownPages()) text += " " + std::to_string(page);
      text += wizard.EndCode() == NewSessionWizard::kFinish ? "; finished"
                                                            : "; stays on " + std::to_string(wizard.CurrentPage()->TemplateId());
    }
    std::string says;
    for (size_t i = shownBefore; i < ui.Shown().size(); ++i) says += "says: " + ui.Shown()[i].text + "\n";
    ConnectConfig* record = session->GetRelevantConnectConfig();
    if (!record) return says + text + "\nno record\n";
    return says + text + "\nprotocol " + session->GetRelevantProtocol().Str() + ", host " + record->GetHostname().Str() +
           ", user " + record->GetUsername().Str() + ", " + option + " " + OptionText(*session, option.c_str()) +
           ", name " + session->GetSessionName().Str() + "\n";
  });
}

}  // namespace
