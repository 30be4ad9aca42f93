#include "database/SiblingLaunch.h"

#include <gtest/gtest.h>

#include "connectdialog/database/GlobalConfigWorld.h"
#include "connectdialog/session/RecordingShell.h"
#include "database/ConfigurationUpgrade.h"
#include "platform/shell/ExecutableFolder.h"
#include "platform/ui/HeadlessUserInterface.h"

namespace {

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
