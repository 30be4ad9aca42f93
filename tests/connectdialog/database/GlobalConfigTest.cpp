#include "database/GlobalConfig.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "GlobalConfigWorld.h"
#include "database/ConfigFolder.h"
#include "database/ConfigFolderValidator.h"
#include "database/GlobalConfigChangeListener.h"
#include "database/MigrateHKRVFirewall.h"
#include "database/ProductSettings.h"
#include "platform/registry/Registry.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "session/FirewallConfig.h"
#include "session/FirewallStore.h"
#include "support/CaseFile.h"
#include "support/InstalledMemoryStore.h"
#include "support/Joined.h"
#include "support/TempFolder.h"

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
  std::map<std::string, VProfile<int> GlobalConfig::*> const members = {
      {"Max Columns", &GlobalConfig::maxColumns}, {"MRU Count", &GlobalConfig::mruCount},
      {"View Left Margin", &GlobalConfig::viewLeftMargin}, {"Max Com Ports", &GlobalConfig::maxComPorts}};
  ExpectCaseFile("connectdialog/global_config_limits.txt", [&](std::string const& input) {
    std::string const name = input.substr(0, input.find('='));
    GlobalConfigWorld world;
    GlobalConfigWorld::WriteDword(name.c_str(), static_cast<uint32_t>(std::stoi(input.substr(name.size() + 1))));
    VProfile<int>& value = Config().*members.at(name);
    std::string answer = "loaded " + std::to_string(int{value});
    value.Rollback();
    answer += ", after a rollback " + std::to_string(int{value});
    SaveGlobalConfig();
    return answer + ", stored " + std::to_string(static_cast<int32_t>(Stored(name.c_str())));
  });
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
  ExpectCaseFile("connectdialog/global_config_versions.txt", [](std::string const& version) {
    GlobalConfigWorld world;
    VProfileStore store;
    if (version != "(missing)") VProfileKey(store.Root(), "Global").SetSz("Version", version.c_str());
    return CheckGlobalConfigVersion(store) ? "accepted" : "refused";
  });
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

using Verdict = ConfigFolderValidator::Verdict;

// Each running product, stored integration (-1: none), new folder and the button scripted (0:
// none, nothing must be asked), then the verdict, the integration stored after, and each message
// shown with its buttons. Folders compare without regard to case, but the file system does not:
// each spelling exists.
TEST(ConfigFolderValidatorTest, IntegrationAndUnsupportedSharingFollowTheRunningProduct) {
  constexpr int HK = kProductHaloKorvo, HF = kProductHaloFyx, K = kProductKorvo;
  struct Case { int product, integrated; char const* newPath; int answer; } const cases[] = {
      {HK, 0, "Cfg/FYX", IDYES}, {HK, 0, "cfg/fyx", IDNO}, {HK, -1, "cfg/fyx", 0}, {HK, 1, "cfg/fyx", 0},
      {HK, 0, "cfg/other", 0}, {HF, 0, "cfg/halokorvo", IDNO}, {HF, 1, "CFG/KORVO", 0}, {K, 0, "cfg/FYX", 0},
      {K, 0, "cfg/halokorvo", 0}, {HK, 0, "", 0}, {HK, 0, "cfg/missing", 0}, {HK, 0, "cfg/file", 0},
      {HF, 0, "relative", 0},
  };
  TempFolder base;
  for (char const* folder : {"Cfg/FYX", "cfg/fyx", "cfg/other", "cfg/halokorvo", "CFG/KORVO", "cfg/FYX"})
    std::filesystem::create_directories(base / folder);
  std::ofstream(base / "cfg/file") << "not a folder";
  std::string transcript;
  char const* const verdicts[] = {"accepted", "rejected", "rejected, refocus"};
  for (Case const& c : cases) {
    GlobalConfigWorld world(c.product);
    ProductSettings::SetConfigPath("Korvo", (base / "cfg/korvo").c_str());
    ProductSettings::SetConfigPath("HaloKorvo", (base / "cfg/halokorvo").c_str());
    ProductSettings::SetConfigPath("HaloFyx", (base / "cfg/fyx").c_str());
    if (c.integrated >= 0) ProductSettings::SetIntegrated(c.integrated);
    HeadlessUserInterface ui;
    if (c.answer) ui.Script(c.answer);
    SetUserInterface(&ui);
    std::string const newPath = *c.newPath && std::string(c.newPath) != "relative" ? base / c.newPath : c.newPath;
    Verdict const verdict = ConfigFolderValidator::Check(newPath);
    SetUserInterface(nullptr);
    EXPECT_EQ(0u, ui.PendingAnswers()) << "a scripted answer was not asked for";
    transcript += Joined(LookupProductName(c.product), c.integrated, c.newPath, c.answer) + " -> " +
                  Joined(verdicts[static_cast<int>(verdict)], ProductSettings::Integrated()) + "\n";
    for (ShownDialog const& shown : ui.Shown()) {
      std::string text = shown.text;
      size_t const at = text.find(base.Path());
      if (at != std::string::npos) text.replace(at, base.Path().size(), "<base>");
      transcript += "  " + Joined(shown.type, DumpText(text)) + "\n";
    }
  }
  ExpectGolden("connectdialog/config_folder_checks.txt", transcript);
}

// Stores the older global settings "TYPE|SOCKS-HOST[:PORT]|PROXY-HOST[:PORT]" (TYPE "-": none),
// migrates them and gives the firewall they became.
std::unique_ptr<FirewallConfig> Migrated(std::string const& older) {
  {
    VProfileStore store;
    VProfileKey global(store.Root(), "Global");
    size_t const socks = older.find('|'), proxy = older.find('|', socks + 1);
    if (older.substr(0, socks) != "-") global.SetSz("Firewall Type", older.substr(0, socks).c_str());
    auto const address = [&](std::string const& kind, std::string const& text) {
      size_t const colon = text.find(':');
      global.SetSz((kind + " Hostname").c_str(), text.substr(0, colon).c_str());
      if (colon != std::string::npos) global.SetDword((kind + " Port").c_str(), std::stoul(text.substr(colon + 1)));
    };
    address("SOCKS", older.substr(socks + 1, proxy - socks - 1));
    address("Proxy", older.substr(proxy + 1));
    global.SetSz("Proxy Prompt", "ok>");
    global.SetSz("Proxy Command", "open %h");
  }
  MigrateHKRVFirewall();
  return std::unique_ptr<FirewallConfig>(FirewallStore::LookupFirewall("DefaultTerminalFirewall"));
}

TEST(MigrateHKRVFirewallTest, OlderGlobalSettingsBecomeTheDefaultTerminalFirewallOnce) {
  ExpectCaseFile("connectdialog/firewall_migrations.txt", [](std::string const& older) {
    InstalledMemoryStore store;
    std::unique_ptr<FirewallConfig> const firewall = Migrated(older);
    if (!firewall) return std::string("no firewall");
    return firewall->GetFirewallType().Str() + " at " + firewall->GetFirewallHostname().Str() + ":" +
           std::to_string(firewall->GetFirewallPort()) + ", prompt " + firewall->GetFirewallPrompt().Str() +
           ", command " + firewall->GetFirewallCommand().Str();
  });
  // The migration runs until there is something to migrate, and then never again.
  InstalledMemoryStore store;
  for (char const* older : {"SOCKSv4||", "SOCKSv4|first|"}) Migrated(older);
  std::unique_ptr<FirewallConfig> const firewall = Migrated("SOCKSv4|second|");
  ASSERT_TRUE(firewall);
  EXPECT_EQ(firewall->GetFirewallHostname(), "first");
}

}  // namespace
