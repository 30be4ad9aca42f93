#include "database/GlobalConfig.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>

#include "GlobalConfigWorld.h"
#include "database/ConfigFolder.h"
#include "database/GlobalConfigChangeListener.h"
#include "database/ProductSettings.h"
#include "platform/registry/Registry.h"
#include "support/Golden.h"
#include "support/Joined.h"

namespace {

GlobalConfig& Config() { return GlobalConfigWorld::Config(); }
long Stored(char const* name) { return GlobalConfigWorld::StoredDword(name); }

// Every row but the schemes (their own key) and the empty toolbar blob, which stores nothing;
// the printer port's row stands for the values of its own table.
int SavedValueCount(GlobalConfig const& config) {
  return config.ProfileTable().Count() - 3 + config.printerSerialPort.ProfileTable().Count();
}

// Waits for a forked child and tells whether it exited with 0.
bool ExitedCleanly(pid_t child) {
  int status = 0;
  return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(GlobalConfigTest, TablesDifferOnlyInThePerHostNames) {
  GlobalConfigWorld terminalWorld(kProductHaloKorvo);
  GlobalConfig terminal(nullptr);
  GlobalConfigWorld::UseProduct(kProductHaloFyx);
  GlobalConfig transfer(nullptr);
  VProfileOptionTable const& a = terminal.ProfileTable();
  VProfileOptionTable const& b = transfer.ProfileTable();
  ASSERT_EQ(a.Count(), b.Count());
  std::set<std::string> renamed;  // names are unique: VOptionTablesTest checks every table
  for (int i = 0; i < a.Count(); ++i) {
    EXPECT_EQ(a.Kind(i), b.Kind(i));
    if (std::string(a.Name(i)) == b.Name(i)) continue;
    EXPECT_EQ(std::string(a.Name(i)) + " HFYX", b.Name(i));
    renamed.insert(a.Name(i));
  }
  EXPECT_EQ(renamed, (std::set<std::string>{"Use Flat Toolbar", "Show Toolbar", "Show Menu Bar", "Show Status Bar",
                                            "Use Auto Session", "Auto Session Name"}));
}

TEST(GlobalConfigTest, ANewStoreYieldsDefaultsAndTheFirstSaveWritesEveryValue) {
  GlobalConfigWorld world;
  EXPECT_EQ(7, Config().colorSchemes.GetCount());
  EXPECT_EQ(0, GlobalConfigWorld::CountValues("Global")) << "loading writes nothing";
  // The printer port's values follow "Use Printer Port"; the headless desktop smooths fonts.
  EXPECT_TRUE(SaveGlobalConfig());
  VProfileStore store(true, nullptr);
  VProfileKey global(store.Root(), "Global");
  ExpectGolden("default_global.txt", DumpKey(&global));
  EXPECT_EQ(SavedValueCount(Config()), GlobalConfigWorld::CountValues("Global"));
  EXPECT_EQ(7, GlobalConfigWorld::CountValues("Color Schemes"));
  EXPECT_TRUE(CheckGlobalConfigVersion(store));
  // The printer port's own values load back.
  GlobalConfigWorld::WriteDword("Printer Baud Rate", 9600);
  GlobalConfigWorld::WriteDword("Printer CTS Flow", 0);
  GlobalConfig* config = &Config();
  ReloadGlobalConfig(config);
  auto const& port = config->printerSerialPort;
  EXPECT_EQ(Joined(port.baudRate, port.ctsFlow, port.dataBits), "9600|0|8");
}

TEST(GlobalConfigTest, EachHostReadsAndWritesItsOwnPerHostNames) {
  struct Case { int product; char const* own; char const* other; };
  Case const cases[] = {{kProductHaloKorvo, "Show Toolbar", "Show Toolbar HFYX"},
                        {kProductKorvo, "Show Toolbar", "Show Toolbar HFYX"},
                        {kProductHaloFyx, "Show Toolbar HFYX", "Show Toolbar"}};
  for (Case const& c : cases) {
    SCOPED_TRACE(c.own);
    GlobalConfigWorld world(c.product);
    GlobalConfigWorld::WriteDword(c.own, 7);
    GlobalConfigWorld::WriteDword(c.other, 9);
    EXPECT_EQ(7, Config().showToolbar);
    Config().showToolbar = 0;
    ASSERT_TRUE(SaveGlobalConfig());
    EXPECT_EQ(Joined(Stored(c.own), Stored(c.other)), "0|9");
  }
}

TEST(GlobalConfigTest, LimitedOptionsAreClampedOnLoadAndWrittenBackInRange) {
  struct Case { char const* name; VProfile<int> GlobalConfig::*member; std::vector<std::pair<int32_t, int>> loaded; };
  Case const cases[] = {
      {"Max Columns", &GlobalConfig::maxColumns, {{80, 132}, {132, 132}, {133, 133}, {5000, 1024}}},
      {"MRU Count", &GlobalConfig::mruCount, {{0, 0}, {12, 9}, {-3, 0}, {1, 1}}},
      {"View Left Margin", &GlobalConfig::viewLeftMargin, {{-1, 0}, {21, 20}}},
      {"Max Com Ports", &GlobalConfig::maxComPorts, {{4, 4}, {1, 4}, {5, 5}, {51, 50}}},
  };
  for (Case const& c : cases) {
    for (auto const& [stored, loaded] : c.loaded) {
      SCOPED_TRACE(std::string(c.name) + " " + std::to_string(stored));
      GlobalConfigWorld world;
      GlobalConfigWorld::WriteDword(c.name, static_cast<uint32_t>(stored));
      EXPECT_EQ(loaded, Config().*c.member);
      (Config().*c.member).Rollback();
      EXPECT_EQ(loaded, Config().*c.member) << "the clamped value is the checkpoint";
      SaveGlobalConfig();
      EXPECT_EQ(loaded, static_cast<int32_t>(Stored(c.name)));
    }
  }
}

TEST(GlobalConfigTest, OverrideFlagsKeepRunOnlyValuesOutOfTheStore) {
  GlobalConfigWorld world;
  GlobalConfigWorld::WriteDword("Transfer Type", 1);
  GlobalConfigWorld::WriteDword("Retry Attempts", 3);
  GlobalConfig& config = Config();
  config.overrideTransferType = config.overrideRetry = true;
  config.transferType = 2;
  config.retryAttempts = 99;
  config.retryDelay = 99;
  config.overwriteAction = 4;  // no override: saved
  SaveGlobalConfig();
  EXPECT_EQ(Joined(Stored("Transfer Type"), Stored("Retry Attempts"), Stored("Retry Delay"),
                   Stored("Overwrite Action")), "1|3|10|4");
}

TEST(GlobalConfigTest, ConfigPathMovesTogetherForProductsThatSharedTheOldFolder) {
  GlobalConfigWorld world(kProductHaloKorvo);
  ProductSettings::SetConfigPath("HaloKorvo", "/data/shared");
  ProductSettings::SetConfigPath("HaloFyx", "/data/shared");
  ProductSettings::SetConfigPath("Korvo", "/data/Shared");
  EXPECT_EQ(VString("/data/shared"), Config().configPath);
  Config().configPath = world.Root() + "/moved";
  SaveGlobalConfig();
  std::string const moved = world.Root() + "/moved";  // paths compare exactly: Korvo's stays
  EXPECT_EQ(Joined(ProductSettings::ConfigPath("HaloKorvo"), ProductSettings::ConfigPath("HaloFyx"),
                   ProductSettings::ConfigPath("Korvo")), moved + "|" + moved + "|/data/Shared");
  EXPECT_EQ(world.Root() + "/moved/config.db", ConfigFolder::StoreFile());
  EXPECT_EQ(SavedValueCount(Config()), GlobalConfigWorld::CountValues("Global")) << "the options go to the new folder";
}

TEST(GlobalConfigTest, ReloadAndResetDropTheInstanceUnsaved) {
  GlobalConfigWorld world;
  GlobalConfigWorld::WriteDword("Timeout", 60);
  EXPECT_FALSE(SaveGlobalConfig()) << "no instance yet";
  GlobalConfig* config = &Config();
  config->timeout = 1;
  EXPECT_EQ(config, &Config());
  ReloadGlobalConfig(config);
  EXPECT_EQ(60, config->timeout);
  ResetGlobalConfig(config);
  EXPECT_EQ(nullptr, config);
  EXPECT_FALSE(SaveGlobalConfig());
  EXPECT_EQ(1, GlobalConfigWorld::CountValues("Global")) << "nothing but the value written by the test";
}

TEST(GlobalConfigTest, CheckGlobalConfigVersionComparesExactly) {
  struct Case { char const* version; bool expected; };  // version null: missing
  Case const cases[] = {
      {"7B2F2717-85C8-4729-8394-3B7697039CEB", true}, {"0311ABC6-1CDD-46fc-A08A-0D7C00242FCA", true},
      {"7b2f2717-85c8-4729-8394-3b7697039ceb", false}, {"0311ABC6-1CDD-46FC-A08A-0D7C00242FCA", false},
      {"", false}, {nullptr, false}};
  for (Case const& c : cases) {
    GlobalConfigWorld world;
    VProfileStore store;
    if (c.version) VProfileKey(store.Root(), "Global").SetSz("Version", c.version);
    EXPECT_EQ(c.expected, CheckGlobalConfigVersion(store)) << (c.version ? c.version : "(missing)");
  }
}

// Each save k writes three options of value k in one unit of work; the reader must never see
// options of two different saves together.
TEST(GlobalConfigTest, AReaderReloadingWhileAnotherProcessSavesNeverSeesAMixture) {
  GlobalConfigWorld world;
  GlobalConfig* config = &Config();
  config->timeout = 0;
  config->lineSendDelay = 0;
  config->connectExpandPath = "0";
  SaveGlobalConfig();
  ResetGlobalConfig(config);
  ASSERT_EQ(ERROR_SUCCESS, RegUnloadHives()) << "no connection may cross fork";
  constexpr int kSaves = 300;
  pid_t const writer = fork();
  if (writer == 0) {
    for (int k = 1; k <= kSaves; ++k) {
      Config().timeout = k;
      Config().lineSendDelay = k;
      Config().connectExpandPath = std::to_string(k).c_str();
      Config().Save();
    }
    _exit(0);
  }
  int reads = 0, last = 0;
  bool consistent = true;
  while (last < kSaves && consistent) {
    ReloadGlobalConfig(config);
    consistent = config != nullptr && config->timeout == config->lineSendDelay &&
                 config->connectExpandPath == VString(std::to_string(config->timeout));
    last = config ? config->timeout : 0;
    ++reads;
  }
  EXPECT_TRUE(ExitedCleanly(writer));
  EXPECT_TRUE(consistent) << "mixed save after " << reads << " reads: timeout " << last;
  EXPECT_EQ(kSaves, last);
}

TEST(GlobalConfigChangeListenerTest, AnotherHostsAnnouncementIsHeardAndOwnOnesAreNot) {
  GlobalConfigWorld world;
  GlobalConfigChangeListener listener;
  ASSERT_TRUE(listener.IsOpen());
  EXPECT_EQ(1, AnnounceGlobalConfigChange());
  EXPECT_FALSE(listener.Wait(0)) << "a host does not hear itself";
  ASSERT_EQ(ERROR_SUCCESS, RegUnloadHives());
  pid_t const child = fork();
  if (child == 0) {
    PostBroadcast(GlobalConfig::GetTraymindShowSelectionMessage(), 0, 0);
    _exit(AnnounceGlobalConfigChange() == 1 ? 0 : 1);
  }
  EXPECT_TRUE(listener.Wait(10000));
  EXPECT_TRUE(ExitedCleanly(child));
  EXPECT_FALSE(listener.Wait(0)) << "the other message was passed over";
}

}  // namespace
