#include "terminal/TerminalConfig.h"

#include <gtest/gtest.h>

#include <optional>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "VReportMessageParams.h"
#include "VReportMessageRouter.h"
#include "database/GlobalConfigInstance.h"
#include "support/CaseFile.h"
#include "support/InstalledMemoryStore.h"
#include "support/Joined.h"
#include "support/KeyDump.h"
#include "support/ScopedRoot.h"
#include "support/TempFolder.h"
#include "support/UnquotedText.h"
#include "terminal/TerminalNameLists.h"

namespace {

struct Routed { unsigned long code; int kind; std::string insert; };
std::vector<Routed> routed;

class RecordingRouter : public VReportMessageRouter {
 public:
  void Report(IReportMessageParams* report) override {
    auto* own = static_cast<VReportMessageParams*>(report);
    routed.push_back({report->GetCode(), report->GetKind(),
                      own->IsStringInsert(0) ? reinterpret_cast<char const*>(report->GetInserts()[0]) : ""});
  }
};
RecordingRouter router;
VReportMessageRouter* Router() { return &router; }

void ResetGlobal() {
  GlobalConfig* global = nullptr;
  ResetGlobalConfig(global);
}

class TerminalConfigTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobal();
    TerminalNameLists::Build("HaloKorvo");
    routed.clear();
    SetReportMessageRouterGetter(&Router);
  }
  void TearDown() override {
    SetReportMessageRouterGetter(nullptr);
    ResetGlobal();
  }
  // The key of a new session.
  VProfileKey& Session() {
    m_session.reset();
    m_session.emplace(m_store.Root(), ("Sessions\\S" + std::to_string(++m_counter)).c_str());
    return *m_session;
  }
  ScopedRoot m_root;
  InstalledMemoryStore m_installed;
  VProfileStore m_store;
  std::optional<VProfileKey> m_session;
  int m_counter = 0;
};

// What a record loads: emulation, ANSI colour, foreground, bold, background, both fonts, keymap
// name, alternate keyboard, columns and whether they must be written back, scrollback, resize
// mode, synchronised rows and columns, and whether the emulation must be written back (a repaired
// one keeps the stored text as checkpoint).
std::string Loaded(TerminalConfig const& config) {
  auto const font = [](VLogFont const& f) { return Joined(f.lfFaceName, f.pointSize, f.lfHeight); };
  return Joined(config.emulation, config.ansiColor, config.foreground, config.bold, config.background,
                font(config.normalFont.Current()), font(config.narrowFont.Current()), config.keymapName,
                config.useAlternateKeyboard, config.cols, config.cols.IsDirty(), config.scrollback, config.resizeMode,
                config.syncViewRows, config.syncViewCols, config.emulation.IsModified());
}

TEST_F(TerminalConfigTest, StoredValuesLoadRepairedOrWithTheirDefaults) {
  ExpectCaseFile("connectdialog/terminal_loaded.txt", [&](std::string const& input) {
    ResetGlobal();
    size_t at = input.starts_with("on KORVO: ") ? 10 : 0;
    TerminalNameLists::Build(at ? "KORVO" : "HaloKorvo");
    if (input == "(no key)") return Loaded(TerminalConfig(nullptr));
    VProfileKey& key = Session();
    for (size_t end; at < input.size(); at = end + 2) {
      end = std::min(input.find(", ", at), input.size());
      std::string const item = input.substr(at, end - at), value = item.substr(item.find('=') + 1);
      std::optional<VProfileKey> global;
      if (item.starts_with("Global\\")) global.emplace(m_store.Root(), "Global");
      VProfileKey& target = global ? *global : key;
      std::string const name = item.substr(global ? 7 : 0, item.find('=') - (global ? 7 : 0));
      if (value.find_first_not_of("0123456789") == std::string::npos) target.SetDword(name.c_str(), std::stoul(value));
      else target.SetSz(name.c_str(), value.c_str());
    }
    return Loaded(TerminalConfig(&key));
  });
}

// Every row's round trip through text and the store is the option tables' test; here the
// stored form of a fresh record.
TEST_F(TerminalConfigTest, AFreshRecordStoresEveryOptionOnceInItsGoldenForm) {
  TerminalConfig fresh(nullptr);
  VProfileKey& key = Session();
  fresh.Save(&key, false);
  ExpectGolden("default_terminal.txt", DumpKey(&key));
  EXPECT_EQ(KeyNames(&key, true).size(), static_cast<size_t>(fresh.ProfileTable().Count()));
}

TEST_F(TerminalConfigTest, LegacyFontValuesOnlyShapeTheDefault) {
  VProfileKey& key = Session();
  key.SetSz("Font Family", "An Extremely Long Font Family Name Indeed");
  key.SetDword("Font Size", 20);
  TerminalConfig const legacy(&key);
  EXPECT_EQ(Joined(legacy.normalFont.Current().lfFaceName, legacy.narrowFont.Current().lfHeight,
                   legacy.narrowFont.Current().pointSize), "An Extremely Long Font Family N|-20|150");
  VLogFont const stored(11, "Stored");
  key.SetBinary("Normal Font", &stored, sizeof stored);
  TerminalConfig const withFont(&key);
  EXPECT_TRUE(withFont.normalFont.Current() == stored);
  EXPECT_EQ(withFont.narrowFont.Current().lfHeight, -20);
}

TEST_F(TerminalConfigTest, ApplyDeltaTakesOnlyWhatTheSourceChanged) {
  TerminalConfig edited(nullptr);
  edited.Checkpoint();
  edited.rows = 50;
  edited.keymap.SetKeyCode(0x41, KeymapCode::RUN);
  edited.keymap.SetKeyValue(0x41, "a.sh");
  VProfileKey& key = Session();
  key.SetDword("Cols", 100);
  key.SetSz("Emulation", "ANSI");
  TerminalConfig target(&key);
  target.Save(&key, true);
  target.Checkpoint();
  target.ApplyDelta(&edited);
  EXPECT_EQ(Joined(target.rows, target.rows.IsDirty(), target.keymap.GetKeyValue(0x41), target.cols,
                   target.cols.IsDirty()), "50|1|a.sh|100|0");
}

TEST_F(TerminalConfigTest, UserFontMapFile) {
  TempFolder folder;
  WriteFileBytes(folder / "map", "41\r\n\n  zz\n0x2500\n-1\n1ffff");
  std::string many;
  for (int i = 0; i < 300; ++i) many += std::to_string(i % 10) + "\n";
  WriteFileBytes(folder / "many", many);
  auto const map = TerminalConfig::LoadUserFontMap((folder / "map").c_str());
  ASSERT_NE(map, nullptr);
  EXPECT_EQ(std::vector<int>(map->begin(), map->begin() + 6), (std::vector<int>{0x41, 0, 0x2500, 0xFFFF, 0xFFFF, 0}));
  auto const full = TerminalConfig::LoadUserFontMap((folder / "many").c_str());
  ASSERT_NE(full, nullptr);
  EXPECT_EQ((*full)[255], 5);
  EXPECT_TRUE(routed.empty());
  VProfileKey& key = Session();
  key.SetSz("User Font Map", (folder / "map").c_str());
  TerminalConfig const config(&key);
  ASSERT_NE(config.GetFontMap(), nullptr);
  EXPECT_EQ(TerminalConfig(config).GetFontMap(), config.GetFontMap());  // copies share one map
  key.SetSz("User Font Map", (folder / "missing").c_str());
  EXPECT_EQ(TerminalConfig(&key).GetFontMap(), nullptr);
  ASSERT_EQ(routed.size(), 1u);
  EXPECT_EQ(routed[0].code, 0xE1600006u);
  EXPECT_EQ(Joined(routed[0].kind, routed[0].insert), "0|" + folder / "missing");
}

TEST(TerminalConfigStatic, ParseXtermPosition) {
  ExpectCaseFile("connectdialog/xterm_positions.txt", [](std::string const& quoted) {
    auto const parse = [text = UnquotedText(quoted)](bool negative) {  // both outputs are written whatever they held
      int value = -1;
      bool const ok = TerminalConfig::ParseXtermPosition(text.c_str(), value, negative);
      return ok ? Joined(ok, value, negative) : Joined(ok);
    };
    EXPECT_EQ(parse(true), parse(false)) << quoted;
    return parse(true);
  });
}

TEST(TerminalNameLists, GateholdOnlyOutsideTheTelnetOnlyHost) {
  TerminalNameLists::Build("HaloKorvo");
  std::vector<std::string> emulations;
  for (auto const& emulation : TerminalNameLists::Emulations())
    emulations.push_back(emulation.name.Str() + "=" + std::to_string(emulation.number));
  EXPECT_EQ(emulations, (std::vector<std::string>{"ANSI=4", "Linux=2", "SCOANSI=3", "Gatehold=9", "VT100=1",
                                                  "VT102=4", "VT220=5", "WYSE50=6", "WYSE60=7", "Xterm=8"}));
  auto const lists = [] {
    return Joined(TerminalNameLists::Emulations().size(), TerminalNameLists::Emulations()[3].name,
                  TerminalNameLists::KeymapNames().size(), TerminalNameLists::KeymapNames().back(),
                  TerminalNameLists::HasGatehold());
  };
  EXPECT_EQ(lists(), "10|Gatehold|10|Gatehold|1");
  TerminalNameLists::Build("korvo");
  EXPECT_EQ(lists(), "9|VT100|9|Xterm|0");
}

}  // namespace
