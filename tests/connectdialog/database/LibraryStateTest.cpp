// The process-wide library state: products, the host's callbacks, and what a host start changes.
#include "library/LibraryState.h"

#include <gtest/gtest.h>

#include "VReportMessageParams.h"
#include "database/GlobalConfigInstance.h"
#include "database/HostStartup.h"
#include "library/DialogWindowClass.h"
#include "library/ProductInfo.h"
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
  struct Case { int id; char const* name; };
  Case const cases[] = {{-1, ""}, {0, ""}, {1, "Korvo"}, {2, ""}, {3, "HaloKorvo"}, {4, ""}, {6, "HaloFyx"}, {7, ""}};
  for (Case const& c : cases) EXPECT_EQ(LookupProductName(c.id), c.name) << c.id;
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

}  // namespace
