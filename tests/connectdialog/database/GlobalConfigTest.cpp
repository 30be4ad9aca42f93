#include "database/GlobalConfig.h"

#include <gtest/gtest.h>

#include "platform/registry/Registry.h"
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "GlobalConfigWorld.h"
#include "database/ConfigFolder.h"
#include "database/ProductSettings.h"
#include "support/Golden.h"
#include "support/KeyDump.h"

namespace {

// Every row but the schemes (their own key) and the empty toolbar blob, which stores nothing;
// the printer port's row stands for the values of its own table.
int SavedValueCount(GlobalConfig const& config) {
  return config.ProfileTable().Count() - 3 + config.printerSerialPort.ProfileTable().Count();
}

TEST(GlobalConfigTest, TablesNameEveryOptionOnceAndDifferOnlyInThePerHostNames) {
  GlobalConfigWorld terminalWorld(kProductHaloKorvo);
  GlobalConfig terminal(nullptr);
  GlobalConfigWorld::UseProduct(kProductHaloFyx);
  GlobalConfig transfer(nullptr);
  VProfileOptionTable const& a = terminal.ProfileTable();
  VProfileOptionTable const& b = transfer.ProfileTable();
  ASSERT_EQ(a.Count(), b.Count());
  std::set<std::string> names;
  std::set<std::string> renamed;
  for (int i = 0; i < a.Count(); ++i) {
    EXPECT_TRUE(names.insert(a.Name(i)).second) << a.Name(i);
    EXPECT_EQ(a.Kind(i), b.Kind(i));
    if (std::string(a.Name(i)) != b.Name(i)) {
      EXPECT_EQ(std::string(a.Name(i)) + " HFYX", b.Name(i));
      renamed.insert(a.Name(i));
    }
  }
  std::set<std::string> const perHost{"Use Flat Toolbar", "Show Toolbar",     "Show Menu Bar",
                                      "Show Status Bar",  "Use Auto Session", "Auto Session Name"};
  EXPECT_EQ(perHost, renamed);
}

TEST(GlobalConfigTest, ANewStoreYieldsDefaultsAndTheFirstSaveWritesEveryValue) {
  GlobalConfigWorld world;
  GlobalConfig* config = nullptr;
  GetGlobalConfig(config);
  ASSERT_NE(nullptr, config);
  EXPECT_EQ(7, config->colorSchemes.GetCount());
  EXPECT_EQ(0, GlobalConfigWorld::CountValues("Global")) << "loading writes nothing";

  // The printer port's values follow "Use Printer Port"; the headless desktop smooths fonts.
  EXPECT_TRUE(SaveGlobalConfig());
  {
    VProfileStore store(true, nullptr);
    VProfileKey global(store.Root(), "Global");
    ExpectGolden("default_global.txt", DumpKey(&global));
  }
  EXPECT_EQ(SavedValueCount(*config), GlobalConfigWorld::CountValues("Global"));
  EXPECT_EQ(7, GlobalConfigWorld::CountValues("Color Schemes"));
  VProfileStore store(true, nullptr);
  EXPECT_TRUE(CheckGlobalConfigVersion(store));
}

TEST(GlobalConfigTest, EachHostReadsAndWritesItsOwnPerHostNames) {
  struct Case {
    int product;
    char const* own;
    char const* other;
  };
  Case const cases[] = {{kProductHaloKorvo, "Show Toolbar", "Show Toolbar HFYX"},
                        {kProductKorvo, "Show Toolbar", "Show Toolbar HFYX"},
                        {kProductHaloFyx, "Show Toolbar HFYX", "Show Toolbar"}};
  for (Case const& c : cases) {
    GlobalConfigWorld world(c.product);
    GlobalConfigWorld::WriteDword(c.own, 7);
    GlobalConfigWorld::WriteDword(c.other, 9);
    GlobalConfig* config = nullptr;
    GetGlobalConfig(config);
    EXPECT_EQ(7, config->showToolbar) << c.own;
    config->showToolbar = 0;
    SaveGlobalConfig();
    unsigned long own = 1, other = 0;
    EXPECT_TRUE(GlobalConfigWorld::ReadDword(c.own, own));
    EXPECT_TRUE(GlobalConfigWorld::ReadDword(c.other, other));
    EXPECT_EQ(0u, own) << c.own;
    EXPECT_EQ(9u, other) << c.other;
  }
}

TEST(GlobalConfigTest, PrinterPortValuesLoadBack) {
  GlobalConfigWorld world;
  GlobalConfig* config = nullptr;
  GetGlobalConfig(config);
  ASSERT_TRUE(SaveGlobalConfig());
  GlobalConfigWorld::WriteDword("Printer Baud Rate", 9600);
  GlobalConfigWorld::WriteDword("Printer CTS Flow", 0);
  ReloadGlobalConfig(config);
  EXPECT_EQ(9600, config->printerSerialPort.baudRate);
  EXPECT_FALSE(config->printerSerialPort.ctsFlow);
  EXPECT_EQ(8, config->printerSerialPort.dataBits);
}

TEST(GlobalConfigTest, LimitedOptionsAreClampedOnLoadAndWrittenBackInRange) {
  struct Case {
    char const* name;
    int32_t stored;
    int loaded;
    VProfile<int> GlobalConfig::*member;
  };
  Case const cases[] = {
      {"Max Columns", 80, 132, &GlobalConfig::maxColumns},     {"Max Columns", 132, 132, &GlobalConfig::maxColumns},
      {"Max Columns", 133, 133, &GlobalConfig::maxColumns},    {"Max Columns", 5000, 1024, &GlobalConfig::maxColumns},
      {"MRU Count", 0, 0, &GlobalConfig::mruCount},            {"MRU Count", 12, 9, &GlobalConfig::mruCount},
      {"MRU Count", -3, 0, &GlobalConfig::mruCount},           {"MRU Count", 1, 1, &GlobalConfig::mruCount},
      {"View Left Margin", -1, 0, &GlobalConfig::viewLeftMargin},
      {"View Left Margin", 21, 20, &GlobalConfig::viewLeftMargin},
      {"Max Com Ports", 4, 4, &GlobalConfig::maxComPorts},     {"Max Com Ports", 1, 4, &GlobalConfig::maxComPorts},
      {"Max Com Ports", 5, 5, &GlobalConfig::maxComPorts},     {"Max Com Ports", 51, 50, &GlobalConfig::maxComPorts},
  };
  for (Case const& c : cases) {
    GlobalConfigWorld world;
    GlobalConfigWorld::WriteDword(c.name, static_cast<uint32_t>(c.stored));
    GlobalConfig* config = nullptr;
    GetGlobalConfig(config);
    EXPECT_EQ(c.loaded, config->*c.member) << c.name << " " << c.stored;
    (config->*c.member).Rollback();
    EXPECT_EQ(c.loaded, config->*c.member) << "the clamped value is the checkpoint";
    SaveGlobalConfig();
    unsigned long stored = 0;
    GlobalConfigWorld::ReadDword(c.name, stored);
    EXPECT_EQ(c.loaded, static_cast<int32_t>(stored)) << c.name << " " << c.stored;
  }
}

TEST(GlobalConfigTest, OverrideFlagsKeepRunOnlyValuesOutOfTheStore) {
  GlobalConfigWorld world;
  GlobalConfigWorld::WriteDword("Transfer Type", 1);
  GlobalConfigWorld::WriteDword("Retry Attempts", 3);
  GlobalConfig* config = nullptr;
  GetGlobalConfig(config);
  config->overrideTransferType = true;
  config->overrideRetry = true;
  config->transferType = 2;
  config->retryAttempts = 99;
  config->retryDelay = 99;
  config->overwriteAction = 4;  // no override: saved
  SaveGlobalConfig();
  unsigned long transferType = 0, retryAttempts = 0, retryDelay = 0, overwriteAction = 0;
  GlobalConfigWorld::ReadDword("Transfer Type", transferType);
  GlobalConfigWorld::ReadDword("Retry Attempts", retryAttempts);
  GlobalConfigWorld::ReadDword("Retry Delay", retryDelay);
  GlobalConfigWorld::ReadDword("Overwrite Action", overwriteAction);
  EXPECT_EQ(1u, transferType);
  EXPECT_EQ(3u, retryAttempts);
  EXPECT_EQ(10u, retryDelay);
  EXPECT_EQ(4u, overwriteAction);
}

TEST(GlobalConfigTest, ConfigPathMovesTogetherForProductsThatSharedTheOldFolder) {
  GlobalConfigWorld world(kProductHaloKorvo);
  ProductSettings::SetConfigPath("HaloKorvo", "/data/shared");
  ProductSettings::SetConfigPath("HaloFyx", "/data/shared");
  ProductSettings::SetConfigPath("Korvo", "/data/Shared");
  GlobalConfig* config = nullptr;
  GetGlobalConfig(config);
  EXPECT_EQ(VString("/data/shared"), config->configPath);
  config->configPath = world.Root() + "/moved";
  SaveGlobalConfig();
  EXPECT_EQ(VString(world.Root() + "/moved"), ProductSettings::ConfigPath("HaloKorvo"));
  EXPECT_EQ(VString(world.Root() + "/moved"), ProductSettings::ConfigPath("HaloFyx"));
  EXPECT_EQ(VString("/data/Shared"), ProductSettings::ConfigPath("Korvo")) << "paths compare exactly";
  EXPECT_EQ(world.Root() + "/moved/config.db", ConfigFolder::StoreFile());
  EXPECT_EQ(SavedValueCount(*config), GlobalConfigWorld::CountValues("Global")) << "the options go to the new folder";
}

TEST(GlobalConfigTest, ReloadAndResetDropTheInstanceUnsaved) {
  GlobalConfigWorld world;
  GlobalConfigWorld::WriteDword("Timeout", 60);
  GlobalConfig* config = nullptr;
  EXPECT_FALSE(SaveGlobalConfig()) << "no instance yet";
  GetGlobalConfig(config);
  config->timeout = 1;
  GlobalConfig* again = nullptr;
  GetGlobalConfig(again);
  EXPECT_EQ(config, again);
  ReloadGlobalConfig(config);
  EXPECT_EQ(60, config->timeout);
  ResetGlobalConfig(config);
  EXPECT_EQ(nullptr, config);
  EXPECT_FALSE(SaveGlobalConfig());
  EXPECT_EQ(1, GlobalConfigWorld::CountValues("Global")) << "nothing but the value written by the test";
}

TEST(GlobalConfigTest, CheckGlobalConfigVersionComparesExactly) {
  struct Case {
    char const* version;  // null: missing
    bool expected;
  };
  Case const cases[] = {{"7B2F2717-85C8-4729-8394-3B7697039CEB", true},
                        {"0311ABC6-1CDD-46fc-A08A-0D7C00242FCA", true},
                        {"7b2f2717-85c8-4729-8394-3b7697039ceb", false},
                        {"0311ABC6-1CDD-46FC-A08A-0D7C00242FCA", false},
                        {"", false},
                        {nullptr, false}};
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
  GlobalConfig* config = nullptr;
  GetGlobalConfig(config);
  config->timeout = 0;
  config->lineSendDelay = 0;
  config->connectExpandPath = "0";
  SaveGlobalConfig();
  ResetGlobalConfig(config);
  ASSERT_EQ(ERROR_SUCCESS, RegUnloadHives()) << "no connection may cross fork";
  constexpr int kSaves = 300;
  pid_t const writer = fork();
  if (writer == 0) {
    GlobalConfig* own = nullptr;
    GetGlobalConfig(own);
    for (int k = 1; k <= kSaves; ++k) {
      own->timeout = k;
      own->lineSendDelay = k;
      own->connectExpandPath = std::to_string(k).c_str();
      own->Save();
    }
    _exit(0);
  }
  int reads = 0;
  int last = 0;
  bool consistent = true;
  while (last < kSaves && consistent) {
    ReloadGlobalConfig(config);
    consistent = config != nullptr && config->timeout == config->lineSendDelay &&
                 config->connectExpandPath == VString(std::to_string(config->timeout));
    last = config ? config->timeout : 0;
    ++reads;
  }
  int status = 0;
  ASSERT_EQ(writer, waitpid(writer, &status, 0));
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_TRUE(consistent) << "mixed save after " << reads << " reads: timeout " << last;
  EXPECT_EQ(kSaves, last);
}

}  // namespace
