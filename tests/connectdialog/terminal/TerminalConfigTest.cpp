#include "terminal/TerminalConfig.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "VReportMessageParams.h"
#include "VReportMessageRouter.h"
#include "database/GlobalConfigInstance.h"
#include "support/Golden.h"
#include "support/InstalledMemoryStore.h"
#include "support/KeyDump.h"
#include "support/ScopedRoot.h"
#include "support/TempFolder.h"
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

TEST_F(TerminalConfigTest, EmulationDecidesColoursFontAndKeymapDefaults) {
  // stored: null for no key at all.
  struct Case { char const* stored; char const* emulation; int ansiColor, foreground, background; char const* face;
      int pointSize; char const* keymapName; int useAlternateKeyboard; };
  Case const cases[] = {
      {nullptr, "VT100", 0, 0, 0xFFFFFF, "vt100", 97, "Default", 0},
      {"ANSI", "ANSI", 1, 0xFFFFFF, 0, "Terminal", 90, "Default", 0},
      {"SCO-ANSI", "SCOANSI", 1, 0, 0xFFFFFF, "vt100", 97, "Default", 0},
      {"vt220", "VT100", 0, 0, 0xFFFFFF, "vt100", 97, "Default", 0},
      {"VT220", "VT220", 0, 0, 0xFFFFFF, "vt100", 97, "VT220", 1},
      {"Gatehold", "Gatehold", 1, 0, 0xFFFFFF, "vt100", 97, "Default", 0},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.stored ? c.stored : "<no key>");
    VProfileKey* key = nullptr;
    if (c.stored) {
      key = &Session();
      key->SetSz("Emulation", c.stored);
    }
    TerminalConfig const config(key);
    EXPECT_EQ(config.emulation, c.emulation);
    EXPECT_EQ(config.ansiColor, c.ansiColor);
    EXPECT_EQ(config.foreground, c.foreground);
    EXPECT_EQ(config.bold, c.foreground);
    EXPECT_EQ(config.background, c.background);
    for (VLogFont const* font : {&config.normalFont.Current(), &config.narrowFont.Current()}) {
      EXPECT_STREQ(font->lfFaceName, c.face);
      EXPECT_EQ(font->pointSize, c.pointSize);
      EXPECT_EQ(font->lfHeight, c.pointSize == 90 ? -12 : -13);
    }
    EXPECT_EQ(config.keymapName, c.keymapName);
    EXPECT_EQ(config.useAlternateKeyboard, c.useAlternateKeyboard);
    // A repaired emulation keeps the stored text as checkpoint, so it is written back.
    EXPECT_EQ(config.emulation.IsModified(), c.stored && config.emulation != c.stored);
  }
  TerminalNameLists::Build("KORVO");
  VProfileKey& key = Session();
  key.SetSz("Emulation", "Gatehold");
  TerminalConfig const telnetOnly(&key);
  EXPECT_EQ(telnetOnly.emulation, "VT100");
  EXPECT_EQ(telnetOnly.ansiColor, 0);
}

TEST_F(TerminalConfigTest, KeymapNameAndAlternateKeyboard) {
  struct Case { char const* name; std::optional<unsigned long> useAlternate; char const* loadedName;
      int loadedAlternate; };
  Case const cases[] = {
      {"custom", 0, "custom", 1}, {"SCO-ANSI", 0, "SCOANSI", 0}, {"SCO-ANSI", {}, "SCOANSI", 1},
      {"Xterm", {}, "Xterm", 1},  {"Xterm", 0, "Xterm", 0},      {"default", {}, "default", 0},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(std::string(c.name) + (c.useAlternate ? " stored" : " missing"));
    VProfileKey& key = Session();
    key.SetSz("Keymap Name", c.name);
    if (c.useAlternate) key.SetDword("Use Alternate Keyboard", *c.useAlternate);
    TerminalConfig const config(&key);
    EXPECT_EQ(config.keymapName, c.loadedName);
    EXPECT_EQ(config.useAlternateKeyboard, c.loadedAlternate);
  }
}

TEST_F(TerminalConfigTest, SizeClampsAndResizeMode) {
  struct Case { unsigned long maxColumns, cols, scrollback; std::optional<unsigned long> resize;
      unsigned long syncRows, syncCols; int loadedCols; bool colsDirty;
      int loadedScrollback, loadedResize, loadedSyncRows, loadedSyncCols; };
  Case const cases[] = {
      {132, 200, 32001, {}, 0, 0, 132, true, 32000, 2, 0, 0}, {250, 200, 32000, {}, 0, 1, 200, false, 32000, 0, 0, 1},
      {250, 251, 500, 1, 1, 1, 250, true, 500, 1, 0, 0},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.cols);
    ResetGlobal();
    VProfileKey(m_store.Root(), "Global").SetDword("Max Columns", c.maxColumns);
    VProfileKey& key = Session();
    key.SetDword("Cols", c.cols);
    key.SetDword("Scrollback", c.scrollback);
    key.SetDword("Sync View Rows", c.syncRows);
    key.SetDword("Sync View Cols", c.syncCols);
    if (c.resize) key.SetDword("Resize Mode", *c.resize);
    TerminalConfig const config(&key);
    EXPECT_EQ(config.cols, c.loadedCols);
    EXPECT_EQ(config.cols.IsDirty(), c.colsDirty);
    EXPECT_EQ(config.scrollback, c.loadedScrollback);
    EXPECT_EQ(config.resizeMode, c.loadedResize);
    EXPECT_EQ(config.syncViewRows, c.loadedSyncRows);
    EXPECT_EQ(config.syncViewCols, c.loadedSyncCols);
  }
  EXPECT_EQ(TerminalConfig(nullptr).resizeMode, 0);  // without a key there is nothing old to honour
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
  EXPECT_STREQ(legacy.normalFont.Current().lfFaceName, "An Extremely Long Font Family N");
  EXPECT_EQ(legacy.narrowFont.Current().lfHeight, -20);
  EXPECT_EQ(legacy.narrowFont.Current().pointSize, 150);
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
  EXPECT_EQ(target.rows, 50);
  EXPECT_TRUE(target.rows.IsDirty());
  EXPECT_EQ(target.keymap.GetKeyValue(0x41), "a.sh");
  EXPECT_EQ(target.cols, 100);
  EXPECT_FALSE(target.cols.IsDirty());
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
  EXPECT_EQ(routed[0].kind, 0);
  EXPECT_EQ(routed[0].insert, folder / "missing");
}

TEST(TerminalConfigStatic, ParseXtermPosition) {
  struct Case { char const* text; bool ok; int value; bool negative; };
  Case const cases[] = {
      {"-20", true, 20, true}, {"20", true, 20, false}, {"", true, 0, false}, {"+7", true, 7, false},
      {" 5", true, 5, false}, {"2147483647", true, 2147483647, false}, {"-2147483647", true, 2147483647, true},
      {"2-0", false, 0, false}, {"20x", false, 0, false}, {"--5", false, 0, false}, {"-", false, 0, false},
      {" ", false, 0, false}, {"+", false, 0, false}, {"2147483648", false, 0, false},
      {"-2147483648", false, 0, false}, {"99999999999999999999", false, 0, false},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.text);
    int value = -1;
    bool negative = !c.negative;
    EXPECT_EQ(TerminalConfig::ParseXtermPosition(c.text, value, negative), c.ok);
    if (c.ok) {
      EXPECT_EQ(std::pair(value, negative), std::pair(c.value, c.negative));
    }
  }
}

TEST(TerminalNameLists, GateholdOnlyOutsideTheTelnetOnlyHost) {
  TerminalNameLists::Build("HaloKorvo");
  std::vector<std::string> emulations;
  for (auto const& emulation : TerminalNameLists::Emulations())
    emulations.push_back(emulation.name.Str() + "=" + std::to_string(emulation.number));
  EXPECT_EQ(emulations, (std::vector<std::string>{"ANSI=4", "Linux=2", "SCOANSI=3", "Gatehold=9", "VT100=1",
                                                  "VT102=4", "VT220=5", "WYSE50=6", "WYSE60=7", "Xterm=8"}));
  EXPECT_EQ(TerminalNameLists::KeymapNames().size(), 10u);
  EXPECT_EQ(TerminalNameLists::KeymapNames().back(), "Gatehold");
  EXPECT_TRUE(TerminalNameLists::HasGatehold());
  TerminalNameLists::Build("korvo");
  EXPECT_EQ(TerminalNameLists::Emulations().size(), 9u);
  EXPECT_EQ(TerminalNameLists::Emulations()[3].name, "VT100");
  EXPECT_EQ(TerminalNameLists::KeymapNames().size(), 9u);
  EXPECT_FALSE(TerminalNameLists::HasGatehold());
}

}  // namespace
