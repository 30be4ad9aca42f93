#include "dialogs/NewSessionWizard.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "connectdialog/dialogs/ConnectDialogWorld.h"
#include "connectdialog/session/PluginFolder.h"
#include "dialogs/NewSessionWizardSteps.h"
#include "library/ProductInfo.h"
#include "platform/ui/DialogPresenter.h"
#include "platform/ui/HeadlessDialogPresenter.h"
#include "session/ConnectProtocolTable.h"
#include "support/CaseFile.h"
#include "support/CaseInputFields.h"
#include "support/DialogSteps.h"
#include "support/JoinedText.h"
#include "support/RegisterProtocolRow.h"
#include "support/StartWizard.h"

namespace {

// What the plug-ins' wizard callbacks were asked, in order: "add SSH2", "release FTP" ...
std::vector<std::string> calls;
// The pages each table entry made, per wizard.
std::map<int, std::vector<std::unique_ptr<VPropertyTreePage>>> made;

// Entry i adds two pages, 20000 + 10 i and the one after it.
template <int Index>
void AddPages(CPropertySheet* wizard, ISessionConfig*) {
  calls.push_back("add " + GetConnectProtocolTable()[Index].protocolName.Str());
  for (unsigned int page : {0u, 1u}) {
    made[Index].push_back(std::make_unique<VPropertyTreePage>(20000 + 10 * Index + page, "New Session Wizard"));
    wizard->AddPage(made[Index].back().get());
  }
}
template <int Index>
void ReleasePages(CPropertySheet* wizard) {
  calls.push_back("release " + GetConnectProtocolTable()[Index].protocolName.Str());
  for (auto const& page : made[Index]) wizard->RemovePage(page.get());
  made[Index].clear();
}
template <int Index>
void Record(ConnectProtocolTableElement& entry) {
  entry.addWizardPages = AddPages<Index>;
  entry.releaseWizardPages = ReleasePages<Index>;
}

struct Products { bool terminal, transfer; };

class NewSessionWizardTest : public ConnectDialogWorld {
 protected:
  // SSH2 0, Telnet 1, ssh1.new 2 (after SSH2), SFTP 3, FTP 4, None 5.
  NewSessionWizardTest() {
    GetConnectProtocolTable().RemoveAll();
    for (char const* file : {"SSH2.so", "Telnet.so", "SFTP.so", "FTP.so"}) folder.Install(file);
    for (auto [row, product] : {std::pair{4, 3}, {6, 3}, {4, 3}, {10, 6}, {11, 6}})
      EXPECT_TRUE(RegisterProtocolRow(folder.Base().c_str(), row, product));
    EXPECT_TRUE(RegisterProtocolRow(nullptr, 0, 3));
    ConnectProtocolTable& table = GetConnectProtocolTable();
    table[2].protocolName = "ssh1.new";
    Record<0>(table[0]), Record<1>(table[1]), Record<2>(table[2]), Record<3>(table[3]), Record<4>(table[4]);
    calls.clear();
    AddFolder("", "Lab");
    AddSession("Lab", "core1");
  }
  ~NewSessionWizardTest() override {
    Install({false, false}, kProductHaloKorvo);
    GetConnectProtocolTable().RemoveAll();
  }

  static void Install(Products products, int running) {
    IsHaloKorvo_Korvo_Installed(products.terminal);
    IsHaloFyx_Installed(products.transfer);
    GlobalConfigWorld::UseProduct(running);
  }
  // A new session in Lab as the Connect dialog hands it over.
  static std::unique_ptr<SessionConfig> NewSession() {
    auto session = std::make_unique<SessionConfig>(CString("New"), nullptr);
    session->SetSessionPath("Lab");
    return session;
  }
  static std::string Listed(std::vector<unsigned int> const& ids) {
    std::string text;
    for (unsigned int id : ids) text += (text.empty() ? "" : " ") + std::to_string(id);
    return text;
  }
  // Actions: "next", "back", "finish", "choose:ITEM" (the protocol list), "name:TEXT".
  static void Walk(NewSessionWizard& wizard, std::vector<std::string> const& actions) {
    using W = NewSessionWizard;
    std::map<std::string, int> const ids{{"next", W::kNext}, {"back", W::kBack}, {"finish", W::kFinish},
                                         {"choose", W::kProtocolList}, {"name", W::kName}};
    for (std::string const& action : actions) {
      std::string error;
      size_t const colon = action.find(':');
      int const id = ids.at(action.substr(0, colon));
      bool const done = colon == std::string::npos ? wizard.Command(id, error)
                                                   : wizard.SetControl(id, action.substr(colon + 1), error);
      ASSERT_TRUE(done) << action << ": " << error;
    }
  }

  PluginFolder folder;
};

// A case is "TERMINAL TRANSFER RUNNING EXE-PATH": actions (see the file's note).
TEST_F(NewSessionWizardTest, PagesFollowTheInstalledProductsAndWalksTheChosenProtocols) {
  ExpectCaseFile("dialogs/wizard_pages.txt", [&](std::string const& input) {
    Install({input[0] == '1', input[1] == '1'}, std::stoi(input.substr(3)));
    size_t const quote = input.find('"'), end = input.find('"', quote + 1);
    config->haloKorvoExePath = input.substr(quote + 1, end - quote - 1).c_str();
    calls.clear();
    std::unique_ptr<SessionConfig> session = NewSession();
    std::string text;
    {
      NewSessionWizard wizard(session.get(), std::stoi(input.substr(3)));
      StartWizard(wizard);
      std::vector<unsigned int> pages;
      for (VPropertyTreePage* page : wizard.Pages()) pages.push_back(page->TemplateId());
      text = "pages " + Listed(pages) + "; second " + std::to_string(wizard.SecondProductId()) + "; " +
             JoinedText(wizard.CurrentPage()->Control(NewSessionWizard::kProtocolList)->choices) + "\n";
      EXPECT_EQ(wizard.Caption(), "New Session Wizard");
      EXPECT_EQ(wizard.CurrentPage()->Control(3032)->label, "Do not use this &wizard when creating sessions");
      if (end + 1 < input.size()) {
        Walk(wizard, CaseInputFields(input.substr(end + 3), " "));
        text += "walk " + Listed(wizard.ShownPages()) + ";";
        for (auto [bit, name] : {std::pair{NewSessionWizard::kBackBit, " back"}, {NewSessionWizard::kNextBit, " next"},
                                 {NewSessionWizard::kFinishBit, " finish"}})
          if (wizard.IsButtonEnabled(bit)) text += name;
        text += "; " + session->GetTerminalProtocol().Str() + "/" + session->GetTransferProtocol().Str() + "\n";
      }
    }
    for (std::string const& call : calls)
      EXPECT_TRUE(call != "add ssh1.new" && call != "release ssh1.new") << "SSH2's pages are there already";
    EXPECT_EQ(calls.back(), "release FTP") << "every other plug-in lets its pages go";
    for (auto const& [index, pages] : made) EXPECT_TRUE(pages.empty()) << index;
    return text;
  });
}

// A case is "host TEXT" (the session's host, then on to the finish page) or "name TEXT" (typed
// there, then Finish); TEXT in quotes.
TEST_F(NewSessionWizardTest, TheFinishPageProposesANameAndRefusesBadOnes) {
  Install({false, true}, 6);
  AddFolder("", "Lab");  // the transfer product keeps a store of its own
  AddSession("Lab", "core1");
  AddSession("Lab", "web01");
  AddSession("Lab", "web01 (1)");
  ExpectCaseFile("dialogs/wizard_names.txt", [&](std::string const& input) {
    std::string const text = input.substr(input.find('"') + 1, input.rfind('"') - input.find('"') - 1);
    std::unique_ptr<SessionConfig> session = NewSession();
    if (input.starts_with("host ")) session->GetTransferConnectConfig()->SetHostname(text.c_str());
    NewSessionWizard wizard(session.get(), 6);
    StartWizard(wizard);
    Walk(wizard, {"next", "next", "next"});
    std::string answer = "proposes \"" + wizard.CurrentPage()->Control(NewSessionWizard::kName)->value + "\", Finish " +
                         (wizard.IsButtonEnabled(NewSessionWizard::kFinishBit) ? "enabled\n" : "disabled\n");
    if (input.starts_with("name ")) Walk(wizard, {"name:" + text, "finish"});
    for (std::string const& message : Messages()) answer += "says: " + message + "\n";
    if (!wizard.IsEnded()) answer += "stays on " + std::to_string(wizard.CurrentPage()->TemplateId());
    else answer += wizard.EndCode() == NewSessionWizard::kFinish ? "finished" : "ended";
    return answer + "; session name " + session->GetSessionName().Str() + "\n";
  });
  // A typed name outlives a trip back; an emptied one disables Finish.
  std::unique_ptr<SessionConfig> session = NewSession();
  NewSessionWizard wizard(session.get(), 6);
  StartWizard(wizard);
  Walk(wizard, {"next", "next", "next", "name:mine", "back", "next"});
  EXPECT_EQ(wizard.CurrentPage()->Control(NewSessionWizard::kName)->value, "mine");
  Walk(wizard, {"name:"});
  EXPECT_FALSE(wizard.IsButtonEnabled(NewSessionWizard::kFinishBit));
  std::string error;
  EXPECT_FALSE(wizard.Command(NewSessionWizard::kFinish, error));
  EXPECT_EQ(error, "the Finish button is disabled");
  EXPECT_FALSE(wizard.Command(NewSessionWizard::kNext, error));
  EXPECT_EQ(error, "the Next button is hidden");
}

// The Connect dialog's New Session with the wizard: a finished wizard's session is stored under
// the name chosen there; declining the wizard stores the choice and opens the session editor.
unsigned long editorCalls = 0;
unsigned long CountEditor(ISessionConfig*, int isNew) {
  editorCalls += isNew == 1 ? 1 : 100;
  return 1;
}

TEST_F(NewSessionWizardTest, NewSessionInTheConnectDialogRunsTheWizard) {
  Install({true, false}, 3);
  ConnectDialogDllInit(nullptr, nullptr, &CountEditor, nullptr, nullptr);
  struct Case { std::vector<DialogStep> steps; int usesWizardAfter; unsigned long editorCalls; char const* stored; };
  for (Case const& c : {
           Case{{Choose(1212, "Telnet"), Step("next"), Step("next"), Step("next"), Set(1044, "gate"), Step("finish")},
                1, 0, "|core1,gate"},
           Case{{Set(3032, "true"), Step("close")}, 0, 1, "|core1,gate,New"},
           Case{{Step("close")}, 1, 0, "|core1,gate,New"},
       }) {
    config->newSessionUsesWizard = 1;
    editorCalls = 0;
    HeadlessDialogPresenter presenter;
    NewSessionWizardSteps::AddTo(presenter);
    ASSERT_TRUE(presenter.Play(DialogScript{Numbered(c.steps), {}, {}}, ui));
    SetDialogPresenter(&presenter);
    dialog.Open();
    Select("Lab");
    Run(ConnectDialog::kNewSession);
    SetDialogPresenter(nullptr);
    EXPECT_FALSE(presenter.Finish().has_value()) << presenter.GetFailure()->error;
    EXPECT_EQ(static_cast<int>(config->newSessionUsesWizard), c.usesWizardAfter);
    EXPECT_EQ(editorCalls, c.editorCalls);
    EXPECT_EQ(Stored("Lab"), c.stored);
  }
  ConnectDialogDllInit(nullptr, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace
