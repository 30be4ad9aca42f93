// The process-wide library state: products, the host's callbacks, what a host start changes, and
// the sibling programs a host starts.
#include "library/LibraryState.h"

#include <gtest/gtest.h>

#include "VReportMessageParams.h"
#include "connectdialog/database/GlobalConfigWorld.h"
#include "connectdialog/session/RecordingShell.h"
#include "database/ConfigurationUpgrade.h"
#include "database/HostStartup.h"
#include "database/SiblingLaunch.h"
#include "library/DialogWindowClass.h"
#include "platform/shell/ExecutableFolder.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "support/Joined.h"

namespace {

std::vector<std::string> events;

class RecordingRouter : public VReportMessageRouter {
 public:
  void Report(IReportMessageParams* report) override { codes.push_back(report->GetCode()); }
  std::vector<unsigned long> codes;
};
RecordingRouter firstRouter, secondRouter;
VReportMessageRouter* FirstRouter() { return &firstRouter; }
VReportMessageRouter* SecondRouter() { return &secondRouter; }

unsigned long QuickConnect(char const* folder, ISessionConfig** session) {
  events.push_back(std::string("quick ") + folder);
  *session = nullptr;
  return 1;
}
unsigned long EditSession(ISessionConfig*, int isNew) {
  events.push_back("edit " + std::to_string(isNew));
  return 1;
}
void Help(HWND, unsigned int command, unsigned long data) {
  events.push_back("help " + std::to_string(command) + " " + std::to_string(data));
}
void AddPages(IPropertyTreeDialog*, int flag) { events.push_back("add " + std::to_string(flag)); }
void RemovePages(IPropertyTreeDialog*) { events.push_back("remove"); }
char const* ClassState() { return DialogWindowClass::IsRegistered() ? "yes" : "no"; }
// The callbacks are recorded before the lists are built; the window class comes after.
void BuildLists() {
  events.push_back(std::string("lists router=") + (GetMessageRouter() == &firstRouter ? "set" : "unset") +
                   " class=" + ClassState() + " name=" + GetApplicationName().c_str());
}
void Upgrade() { events.push_back(std::string("upgrade class=") + ClassState()); }
VProfileStoreFactory* NoFactory() { return nullptr; }
HICON IconNumber(uintptr_t n) { return reinterpret_cast<HICON>(n); }

// One test: the state is process-wide and the lists are built once per process.
TEST(LibraryState, InitialisationInTheHostsOrder) {
  // Before initialisation every wrapper is harmless.
  EXPECT_EQ(Joined(GetApplicationName(), GetApplicationCommandLine(), DialogWindowClass::IsRegistered(),
                   DialogWindowClass::Icon() == nullptr, GetMessageRouter() == nullptr), "||0|1|1");
  ISessionConfig* slot = nullptr;
  auto const callAll = [&](int isNew) {
    std::vector<unsigned long> const answers{CallQuickConnect("Folder", &slot), CallEditSession(nullptr, isNew)};
    CallHelp(nullptr, 11, 0);
    CallAddGlobalPages(nullptr, 1);
    CallRemoveGlobalPages(nullptr);
    return answers;
  };
  EXPECT_EQ(callAll(1), (std::vector<unsigned long>{0, 0}));
  ReportMessage(0, VReportMessageParams(0xA1600005, nullptr));
  EXPECT_TRUE(events.empty());
  ConnectDialogDllInitProfileFactory(&NoFactory);
  EXPECT_EQ(GetProfileStoreFactoryGetter(), &NoFactory);
  ConnectDialogDllInitApplicationName("HaloKorvo");
  ConnectDialogDllInitApplicationCommandLine("/S \"Sessions\\a\"");
  ConnectDialogDllInitSSH2GlobalPages(&AddPages, &RemovePages);
  SetBuiltInListsBuilder(&BuildLists);
  SetConfigurationUpgrade(&Upgrade);
  ConnectDialogDllInit(IconNumber(7), &QuickConnect, &EditSession, &Help, &FirstRouter);
  EXPECT_EQ(events, (std::vector<std::string>{"lists router=set class=no name=HaloKorvo", "upgrade class=yes"}));
  EXPECT_EQ(Joined(GetApplicationCommandLine(), DialogWindowClass::IsRegistered(), DialogWindowClass::kName),
            "/S \"Sessions\\a\"|1|Brimvale Software Connect Dialog");
  EXPECT_EQ(DialogWindowClass::Icon(), IconNumber(7));
  events.clear();
  EXPECT_EQ(callAll(0), (std::vector<unsigned long>{1, 1}));
  ReportMessage(100, VReportMessageParams(0xA1600005, nullptr));
  EXPECT_EQ(events, (std::vector<std::string>{"quick Folder", "edit 0", "help 11 0", "add 1", "remove"}));
  EXPECT_EQ(firstRouter.codes, std::vector<unsigned long>{0xA1600005});
  // Again: callbacks replaced, lists not rebuilt, the class keeps the first icon, upgrade runs.
  events.clear();
  ConnectDialogDllInit(IconNumber(9), nullptr, nullptr, nullptr, &SecondRouter);
  EXPECT_EQ(events, std::vector<std::string>{"upgrade class=yes"});
  EXPECT_EQ(GetMessageRouter(), &secondRouter);
  EXPECT_EQ(DialogWindowClass::Icon(), IconNumber(7));
  EXPECT_EQ(CallQuickConnect("Folder", &slot), 0u);
  ConnectDialogDllInit(nullptr, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(GetMessageRouter(), nullptr);
  SetBuiltInListsBuilder(nullptr);
  SetConfigurationUpgrade(nullptr);
  ConnectDialogDllInitProfileFactory(nullptr);
}

TEST(ProductInfo, IdsAndNames) {
  EXPECT_EQ(GetCurrentAppProductID(), -1) << "no host has set an id yet";
  std::string names;
  for (int id = -1; id <= 7; ++id) names += LookupProductName(id).Str() + ",";
  EXPECT_EQ(names, ",,Korvo,,HaloKorvo,,,HaloFyx,,");
}

TEST(ProductInfo, IntegratedOnlyWithFullTerminalAndTransferClients) {
  for (int bits = 0; bits < 8; ++bits) {
    bool korvo = bits & 1, haloKorvo = bits & 2, haloFyx = bits & 4;
    IsKorvo_Installed(korvo);
    IsHaloKorvo_Korvo_Installed(haloKorvo);
    IsHaloFyx_Installed(haloFyx);
    EXPECT_EQ(IsIntegrated(), !korvo && haloKorvo && haloFyx) << bits;
  }
  IsKorvo_Installed(false);
  IsHaloKorvo_Korvo_Installed(false);
  IsHaloFyx_Installed(false);
}

// A product the library does not know changes no process-wide state.
TEST(HostStartupTest, AnUnknownProductStartsNothing) {
  auto const state = [] {
    return std::tuple(GetCurrentAppProductID(), IsHaloFyx_Installed(), GetApplicationName().Str(),
                      GetApplicationCommandLine().Str(), GetProfileStoreFactoryGetter(), LoadedGlobalConfig());
  };
  auto const before = state();
  for (int unknown : {-1, 0, 2, 7}) {
    HostStartup::Host host;
    host.productId = unknown;
    host.haloFyxInstalled = !IsHaloFyx_Installed();
    host.commandLine = "/S x";
    EXPECT_EQ(HostStartup::Start(host), nullptr) << unknown;
    EXPECT_EQ(state(), before) << unknown;
  }
}

using Words = std::vector<std::string>;

class SiblingLaunchTest : public testing::Test {
 protected:
  SiblingLaunchTest() { SetUserInterface(&m_ui); }
  ~SiblingLaunchTest() override { SetUserInterface(nullptr); }
  // The three hosts' program options.
  static void Programs(char const* haloKorvo, char const* korvo, char const* haloFyx) {
    GlobalConfigWorld::Config().haloKorvoExePath = haloKorvo;
    GlobalConfigWorld::Config().korvoExePath = korvo;
    GlobalConfigWorld::Config().haloFyxExePath = haloFyx;
  }
  GlobalConfigWorld m_world;
  HeadlessUserInterface m_ui;
  RecordingShell m_shell;
};

TEST_F(SiblingLaunchTest, StartsTheConfiguredProgramWithTheSessionAsOneArgument) {
  for (char const* haloKorvo : {"/opt/hk", ""}) {
    m_shell.started.clear();
    Programs(haloKorvo, "/opt/k", "");
    LaunchTerminalApp("/S \"Lab\\a b; rm -rf ~\"");
    EXPECT_EQ(m_shell.started, (Words{*haloKorvo ? "/opt/hk" : "/opt/k", "/S", "Lab\\a b; rm -rf ~"})) << haloKorvo;
  }
  EXPECT_TRUE(m_ui.Shown().empty());
}

TEST_F(SiblingLaunchTest, TheRunningHostIsStartedThroughItsProductsOption) {
  struct Case { int product; char const* haloKorvo; char const* korvo; char const* haloFyx; std::string program; };
  int const running = GetCurrentAppProductID();
  Case const cases[] = {
      {kProductHaloFyx, "/opt/hk", "/opt/k", "/opt/cdhost-halofyx", "/opt/cdhost-halofyx"},
      {kProductHaloKorvo, "/opt/hk", "/opt/k", "/opt/hf", "/opt/hk"},
      {kProductKorvo, "", "/opt/k", "/opt/hf", "/opt/k"},
      {kProductHaloFyx, "/opt/hk", "/opt/k", "", ExecutablePath()},
  };
  for (Case const& c : cases) {
    SetCurrentAppProductID(c.product);
    Programs(c.haloKorvo, c.korvo, c.haloFyx);
    EXPECT_EQ(RunningHostProgram(), c.program) << c.product;
  }
  SetCurrentAppProductID(running);
}

TEST_F(SiblingLaunchTest, FailureShowsOneWarning) {
  Programs("", "", "");
  LaunchFileTransferApp("/S \"x\"");
  Programs("", "", "/opt/hf");
  m_shell.startSucceeds = false;
  LaunchFileTransferApp("/S \"x\"");
  ASSERT_EQ(m_ui.Shown().size(), 2u);
  for (ShownDialog const& shown : m_ui.Shown()) EXPECT_EQ(shown.type, MB_OK | MB_ICONWARNING);
  EXPECT_EQ(m_shell.started, (Words{"/opt/hf", "/S", "x"}));
}

TEST_F(SiblingLaunchTest, UpgradeRunsOnlyForALoadedConfigurationOfTheOlderVersion) {
  constexpr char const* older = "0311ABC6-1CDD-46fc-A08A-0D7C00242FCA";
  {
    VProfileStore store;
    VProfileKey(store.Root(), "Global").SetSz("Version", older);
  }
  UpgradeConfiguration();
  EXPECT_EQ(LoadedGlobalConfig(), nullptr);
  SetConfigurationUpgrade(&UpgradeConfiguration);
  EXPECT_EQ(GlobalConfigWorld::Config().version, older);
  ConnectDialogDllInit(nullptr, nullptr, nullptr, nullptr, nullptr);
  SetConfigurationUpgrade(nullptr);
  EXPECT_EQ(GlobalConfigWorld::Config().version, GlobalConfig::kCurrentVersion);
  VProfileStore store(true, nullptr);
  VString stored;
  VProfileKey(store.Root(), "Global").GetSz("Version", stored);
  EXPECT_EQ(stored, GlobalConfig::kCurrentVersion);
}

}  // namespace
