#include "terminal/ProfileColorSchemeList.h"

#include <gtest/gtest.h>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "support/Golden.h"
#include "support/InstalledMemoryStore.h"
#include "support/KeyDump.h"

namespace {

class DesktopColors : public HeadlessUserInterface {
 public:
  COLORREF WindowColor() const override { return 0x123456; }
  COLORREF WindowTextColor() const override { return 0xABCDEF; }
};

ColorScheme Custom() {
  ColorScheme scheme;
  scheme.advanced = 1;
  scheme.enableBlink = 0;
  for (int i = 0; i < ColorScheme::kEntries; ++i) {
    scheme.foreground[i] = 0x010101u * static_cast<unsigned>(i);
    scheme.background[i] = 0x0000FFu + static_cast<unsigned>(i);
  }
  return scheme;
}

class ProfileColorSchemeListTest : public ::testing::Test {
 protected:
  ProfileColorSchemeListTest() { SetUserInterface(&m_ui); }
  ~ProfileColorSchemeListTest() override { SetUserInterface(nullptr); }
  ProfileColorSchemeList Loaded() {
    ProfileColorSchemeList list;
    list.Load(nullptr, "Color Schemes");
    return list;
  }
  static std::vector<std::string> Names(ProfileColorSchemeList const& list) {
    std::vector<std::string> names;
    for (int i = 0; i < list.GetCount(); ++i) names.push_back(list.GetAt(i).GetName().Str());
    return names;
  }
  // The key "Color Schemes" of the store, opened afresh for one statement.
  struct Stored {
    VProfileKey* Key() { return &key; }
    VProfileStore store;
    VProfileKey key{store.Root(), "Color Schemes"};
  };
  DesktopColors m_ui;
  InstalledMemoryStore m_store;
};

TEST_F(ProfileColorSchemeListTest, ANewStoreGetsTheBuiltInSchemesAndSavesThemAs68Bytes) {
  ProfileColorSchemeList list = Loaded();
  std::vector<std::string> const builtIns = {"Monochrome", "Black / Floral White", "Yellow / Black", "Traditional",
                                             "Windows", "Black / Cyan", "Floral White / Dark Cyan"};
  ASSERT_EQ(Names(list), builtIns);
  for (int i = 0; i < list.GetCount(); ++i) EXPECT_TRUE(list.GetAt(i).IsDirty()) << builtIns[i];
  ColorScheme windows;
  windows.SetColors(0xABCDEF, 0x123456);
  EXPECT_EQ(list.GetAt(4).Current(), windows);
  list.Save(nullptr, false);
  ExpectGolden("builtin_color_schemes.txt", DumpKey(Stored().Key()));
  EXPECT_FALSE(Loaded().GetAt(6).IsDirty());
}

TEST_F(ProfileColorSchemeListTest, AStoredValueLoadsByItsRulesAndMonochromeIsAdded) {
  ColorScheme const custom = Custom();
  ColorScheme windows = custom;
  std::fill(std::begin(windows.foreground), std::end(windows.foreground), 0xABCDEF);
  std::fill(std::begin(windows.background), std::end(windows.background), 0x123456);
  ColorScheme shortBlock;
  shortBlock.advanced = 1;
  shortBlock.overstrikeBold = 0;
  unsigned char const fourBytes[] = {1, 0, 1, 1};
  std::string const tooLong(69, '\1');
  struct Case { char const* name; void const* data; unsigned long size; ColorScheme expected; bool dirty; };
  Case const cases[] = {
      {"Traditional", &custom, sizeof custom, custom, false}, {"Windows", &custom, sizeof custom, windows, false},
      {"WINDOWS", &custom, sizeof custom, custom, false}, {"Short", fourBytes, sizeof fourBytes, shortBlock, false},
      {"Too Long", tooLong.data(), 69, ColorScheme(), true},
  };
  for (Case const& c : cases) {
    InstalledMemoryStore fresh;
    ASSERT_TRUE(Stored().Key()->SetBinary(c.name, c.data, c.size));
    ProfileColorSchemeList const list = Loaded();
    ASSERT_EQ(Names(list), (std::vector<std::string>{c.name, "Monochrome"})) << c.name;
    EXPECT_EQ(list.GetAt(0).Current(), c.expected) << c.name;
    EXPECT_EQ(list.GetAt(0).IsDirty(), c.dirty) << c.name;
    EXPECT_TRUE(list.GetAt(1).IsDirty());
  }
}

TEST_F(ProfileColorSchemeListTest, SavingDeletesOnlyTheValuesOfRemovedSchemes) {
  ProfileColorSchemeList list = Loaded();
  list.Save(nullptr, false);
  list.RemoveAt(list.IndexOf("Yellow / Black"));
  list.GetAt(list.IndexOf("Traditional")).SetName("TRADITIONAL");
  list.Add("Plain", ColorScheme());
  list.Save(nullptr, false);
  std::vector<std::string> const kept = {"Monochrome", "Black / Floral White", "Traditional", "Windows", "Black / Cyan",
                                         "Floral White / Dark Cyan", "Plain"};
  EXPECT_EQ(KeyNames(Stored().Key(), true), kept);
  EXPECT_THROW(list.RemoveAt(list.GetCount()), std::out_of_range);
}

TEST_F(ProfileColorSchemeListTest, FindIgnoresCaseAndFallsBackToMonochromeIsModifiedComparesColoursAndCount) {
  ProfileColorSchemeList list = Loaded();
  list.GetAt(0).Current().advanced = 1;
  struct Case { char const* query; char const* found; };
  Case const cases[] = {
      {"traditional", "Traditional"}, {"BLACK / CYAN", "Black / Cyan"}, {"Unknown", "Monochrome"}, {"", "Monochrome"}};
  for (Case const& c : cases) EXPECT_EQ(list.Find(c.query).GetName(), c.found) << c.query;
  EXPECT_EQ(list.Find("unknown").Current().advanced, 1);
  list.RemoveAt(0);
  EXPECT_FALSE(list.Exists("MONOCHROME"));
  auto const fallback = list.Find("Unknown");
  EXPECT_EQ(fallback.GetName(), "Monochrome");
  EXPECT_EQ(fallback.Current(), ColorScheme());
  ProfileColorSchemeList fresh = Loaded();  // IsModified compares colours and count, not names
  EXPECT_FALSE(fresh.IsModified());
  fresh.GetAt(3).SetName("Renamed");
  EXPECT_FALSE(fresh.IsModified());
  fresh.GetAt(3).Current().background[7] = 0x000001;
  EXPECT_TRUE(fresh.IsModified());
  fresh.Rollback();
  EXPECT_FALSE(fresh.IsModified());
  EXPECT_EQ(fresh.GetAt(3).Current().background[7], 0u);
  ProfileColorSchemeList edited = fresh;
  edited.Add("New", Custom());
  EXPECT_TRUE(edited.IsModified());
  edited.Checkpoint();
  EXPECT_FALSE(edited.IsModified());
  fresh.ApplyDelta(&edited);
  EXPECT_TRUE(fresh.IsModified());
  EXPECT_EQ(fresh.Find("new").Current(), Custom());
}

}  // namespace
