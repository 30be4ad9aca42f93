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
#include "support/DialogSteps.h"
#include "support/Golden.h"
#include "support/JoinedText.h"
#include "support/KeyDump.h"
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
using Ids = std::vector<unsigned int>;

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
  // The transfer product keeps a store of its own: Lab with core1 there too.
  static void AddTransferLab() {
    AddFolder("", "Lab");
    AddSession("Lab", "core1");
  }
  static Ids PageIds(NewSessionWizard const& wizard) {
    Ids ids;
    for (VPropertyTreePage* page : wizard.Pages()) ids.push_back(page->TemplateId());
    return ids;
  }
  static std::string Listed(Ids const& ids) {
    std::string text;
    for (unsigned int id : ids) text += (text.empty() ? "" : " ") + std::to_string(id);
    return text;
  }
  static std::vector<std::string> Choices(NewSessionWizard const& wizard) {
    return wizard.CurrentPage()->Control(NewSessionWizard::kProtocolList)->choices;
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

// Per row (terminal and transfer products installed, the running one, the HaloKorvo program), the
// golden file holds the pages, the second product and the first page's protocols. Row 4 is the
// transfer host's second product: Korvo without a HaloKorvo program, which has no entries here.
TEST_F(NewSessionWizardTest, PagesFollowTheInstalledProductsAndTheSecondProduct) {
  struct Case { Products products; int running; char const* haloKorvoExePath; };
  std::string dump;
  for (Case const& c : {Case{{true, false}, 3, ""}, Case{{false, true}, 6, ""}, Case{{true, true}, 3, ""},
                        Case{{true, true}, 6, ""}, Case{{true, true}, 6, "/opt/halokorvo"}}) {
    Install(c.products, c.running);
    config->haloKorvoExePath = c.haloKorvoExePath;
    calls.clear();
    std::unique_ptr<SessionConfig> session = NewSession();
    {
      NewSessionWizard wizard(session.get(), c.running);
      StartWizard(wizard);
      dump += std::to_string(c.products.terminal) + std::to_string(c.products.transfer) + " " +
              std::to_string(c.running) + " " + DumpText(c.haloKorvoExePath) + ": " + Listed(PageIds(wizard)) +
              "; second " + std::to_string(wizard.SecondProductId()) + "; " + JoinedText(Choices(wizard)) + "\n";
      EXPECT_EQ(wizard.Caption(), "New Session Wizard");
      EXPECT_EQ(wizard.CurrentPage()->Control(3032)->label, "Do not use this &wizard when creating sessions");
    }
    for (std::string const& call : calls)
      EXPECT_TRUE(call != "add ssh1.new" && call != "release ssh1.new") << "SSH2's pages are there already";
    EXPECT_EQ(calls.back(), "release FTP") << "every other plug-in lets its pages go";
    for (auto const& [index, pages] : made) EXPECT_TRUE(pages.empty()) << index;
  }
  ExpectGolden("dialogs/wizard_pages.txt", dump);
}

// Per walk, the golden file holds the pages shown, the buttons enabled and the session's protocols.
TEST_F(NewSessionWizardTest, WalksFollowTheChosenProtocolsAndTheBackStack) {
  struct Case { char const* name; Products products; int running; std::vector<std::string> actions; };
  std::string dump;
  for (Case const& c : {
           Case{"transfer only", {false, true}, 6, {"choose:FTP", "next", "next", "next"}},
           Case{"ssh1.new stands for SSH2", {true, false}, 3, {"choose:ssh1.new", "next"}},
           Case{"both clients", {true, true}, 3,
                {"choose:Telnet", "next", "next", "next", "choose:FTP", "next", "next", "next"}},
           Case{"no terminal protocol", {true, true}, 3,
                {"choose:None", "next", "choose:SFTP", "next", "next", "next"}},
           Case{"back to the start", {false, true}, 6, {"choose:SFTP", "next", "next", "back", "back"}},
           Case{"back to another protocol", {false, true}, 6, {"next", "back", "choose:FTP", "next"}},
       }) {
    Install(c.products, c.running);
    std::unique_ptr<SessionConfig> session = NewSession();
    NewSessionWizard wizard(session.get(), c.running);
    StartWizard(wizard);
    Walk(wizard, c.actions);
    dump += std::string(c.name) + ": " + Listed(wizard.ShownPages()) + ";";
    for (auto [bit, name] : {std::pair{NewSessionWizard::kBackBit, " back"}, {NewSessionWizard::kNextBit, " next"},
                             {NewSessionWizard::kFinishBit, " finish"}})
      if (wizard.IsButtonEnabled(bit)) dump += name;
    dump += "; " + session->GetTerminalProtocol().Str() + "/" + session->GetTransferProtocol().Str() + "\n";
  }
  ExpectGolden("dialogs/wizard_walks.txt", dump);
}

TEST_F(NewSessionWizardTest, TheFinishPageRefusesBadNamesAndKeepsTheWizardOpen) {
  Install({false, true}, 6);
  AddTransferLab();
  // message: empty when the name is accepted; a refused name writes nothing ("New" stays).
  struct Case { char const* typed; char const* message; char const* stored; };
  for (Case const& c : {
           Case{"   ", "The session name must be specified", "New"},
           Case{"a/b\\c", "The session name contains an illegal character: ' \\ '", "New"},
           Case{"x:y|z", "The session name contains an illegal character: ' : '", "New"},
           Case{"core1", "The session name 'core1' already exists", "New"},
           Case{" CORE1 ", "The session name 'CORE1' already exists", "New"}, Case{"  web 01  ", "", "web 01"},
       }) {
    SCOPED_TRACE(c.typed);
    std::unique_ptr<SessionConfig> session = NewSession();
    NewSessionWizard wizard(session.get(), 6);
    StartWizard(wizard);
    Walk(wizard, {"next", "next", "next", std::string("name:") + c.typed, "finish"});
    bool const refused = *c.message;
    EXPECT_EQ(Messages(), refused ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    EXPECT_EQ(wizard.IsEnded(), !refused);
    EXPECT_EQ(session->GetSessionName().Str(), c.stored);
    if (refused) EXPECT_EQ(wizard.CurrentPage()->TemplateId(), NewSessionWizard::kFinishPage);
    else EXPECT_EQ(wizard.EndCode(), NewSessionWizard::kFinish);
  }
}

TEST_F(NewSessionWizardTest, TheProposedNameComesFromTheHostAndIsMadeUnique) {
  Install({false, true}, 6);
  AddTransferLab();
  AddSession("Lab", "web01");
  AddSession("Lab", "web01 (1)");
  struct Case { char const* host; char const* proposed; };
  for (Case const& c : {Case{"web01", "web01 (2)"}, Case{" db7 ", "db7"}, Case{"", "New"}, Case{"a/b", "a_b"},
                        Case{"core1", "core1 (1)"}}) {
    std::unique_ptr<SessionConfig> session = NewSession();
    session->GetTransferConnectConfig()->SetHostname(c.host);
    NewSessionWizard wizard(session.get(), 6);
    StartWizard(wizard);
    Walk(wizard, {"next", "next", "next"});
    EXPECT_EQ(wizard.CurrentPage()->Control(NewSessionWizard::kName)->value, c.proposed) << c.host;
    EXPECT_TRUE(wizard.IsButtonEnabled(NewSessionWizard::kFinishBit));
  }
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
