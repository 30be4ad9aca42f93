// Dragging in the Connect dialog: the measuring rules, the effect over each target, the folder
// that opens under a resting pointer (on a fake clock), and drops that follow the paste rules
// with the position the zone gives, checked in the store.
#include <gtest/gtest.h>

#include <sstream>

#include "connectdialog/dialogs/ConnectDialogWorld.h"
#include "support/FakeClock.h"
#include "support/Golden.h"

namespace {

using Dialog = ConnectDialog;
using Zone = ConnectTreeDrag::Zone;
using Effect = ConnectTreeDrag::Effect;

TEST(ConnectTreeDragTest, MeasuresZonesScrollingAndKeys) {
  // scroll: for the same y in a tree 200 pixels high.
  struct ZoneCase { int y; Zone zone; int scroll; };
  for (ZoneCase const& c : {ZoneCase{0, Zone::Before, -1}, {2, Zone::Before, -1}, {3, Zone::On, -1}, {9, Zone::On, -1},
                            {10, Zone::On, 0}, {12, Zone::On, 0}, {13, Zone::After, 0}, {15, Zone::After, 0}}) {
    EXPECT_EQ(ConnectTreeDrag::ZoneAt(c.y, 16), c.zone) << c.y;
    EXPECT_EQ(ConnectTreeDrag::ScrollAt(c.y, 200), c.scroll) << c.y;
  }
  EXPECT_EQ(ConnectTreeDrag::ScrollAt(189, 200), 0);
  EXPECT_EQ(ConnectTreeDrag::ScrollAt(190, 200), 1);
  struct KeyCase { char const* keys; bool known; Effect effect; };
  Effect const move = Effect::Move, copy = Effect::Copy, none = Effect::None;
  for (KeyCase const& c : {KeyCase{"none", true, move}, {"alt", true, move}, {"Ctrl", true, copy},
                           {"shift", true, none}, {"ctrl+shift", true, none}, {"ctrl+alt", true, none},
                           {"alt+shift", true, none}, {"meta", false, none}, {"none+ctrl", false, none},
                           {"", false, none}}) {
    Effect effect = Effect::None;
    EXPECT_EQ(ConnectTreeDrag::EffectOfKeys(c.keys, effect), c.known) << c.keys;
    EXPECT_EQ(effect, c.effect) << c.keys;  // left as it was when the keys are not known
  }
}

class ConnectDialogDragTest : public ConnectDialogWorld {
 protected:
  // Root: Lab, Other. Lab holds folder Inner and sessions s1, s2; Other holds folder Lab and s1.
  ConnectDialogDragTest() { Seed(); }

  static void Seed() {
    SessionDatabase database(0);
    for (std::string const top : {"Lab", "Other"}) database.Remove(top.c_str());
    AddLabAndOther();
  }
  void Reopen() {
    dialog.Open();
    for (std::string const folder : {"Lab", "Other"}) Expand(folder);
  }
  Effect Over(std::string const& path, Zone zone, std::string const& keys = "none") {
    Effect effect = Effect::None;
    std::string error;
    EXPECT_TRUE(dialog.DragOver(path, zone, keys, effect, error)) << error;
    return effect;
  }
  void Begin(std::string const& path) { Do(dialog, &Dialog::BeginDrag, path); }
  void DropOn(std::string const& target, Zone zone, std::string const& keys = "none") {
    std::string error;
    ASSERT_TRUE(dialog.Drop(target, zone, keys, error)) << error;
  }
};

// Each row drops on the starting tree, Lab\s2 selected: "source target zone keys". The golden file
// holds, per row, the messages, the root, Lab and Other afterwards and the selection.
TEST_F(ConnectDialogDragTest, DropsFollowThePasteRulesAtTheZonesPlace) {
  std::string dump;
  for (char const* row : {"Lab\\s2 Lab\\s1 before none", "Lab\\s1 Lab\\s2 after alt", "Lab\\s1 Lab\\s1 on none",
                          "Lab\\s1 Lab on none", "Lab\\s1 Lab\\s2 on ctrl", "Lab\\s1 Lab\\s1 before ctrl",
                          "Lab\\s2 Other on none", "Lab\\s2 Other\\s1 before none", "Lab\\s2 Other\\Lab after none",
                          "Lab\\Inner Other\\s1 after none", "Other Lab before none", "Lab\\s1 Other on none",
                          "Lab Other\\s1 on ctrl", "Lab Lab on none", "Lab Lab\\Inner after ctrl",
                          "Lab Lab after none", "Lab\\s1 Other on shift", "Lab\\s1 Other on ctrl+shift"}) {
    SCOPED_TRACE(row);
    std::istringstream words(row);
    std::string source, target, zoneName, keys;
    Zone zone;
    ASSERT_TRUE(words >> source >> target >> zoneName >> keys && ConnectTreeDrag::ParseZone(zoneName, zone));
    Seed();
    Reopen();
    Select("Lab\\s2");
    Messages();
    Begin(source);
    DropOn(target, zone, keys);
    EXPECT_FALSE(dialog.Drag().IsActive());
    dump += std::string(row) + ":";
    for (std::string const& message : Messages()) dump += " \"" + message + "\"";
    dump += " " + Stored("") + " " + Stored("Lab") + " " + Stored("Other") + " " + dialog.SelectedPath() + "\n";
  }
  ExpectGolden("dialogs/drops.txt", dump);
  EXPECT_EQ(StoredProtocol("Other\\s1") + "," + StoredProtocol("Lab\\s1"), "Telnet,SSH2") << "refused moves keep both";
}

TEST_F(ConnectDialogDragTest, AFolderIsNeverOfferedAPlaceInsideItself) {
  Reopen();
  Begin("Lab");
  EXPECT_EQ(Over("Lab", Zone::On), Effect::None);
  EXPECT_FALSE(dialog.Drag().TargetOffered());
  EXPECT_EQ(Over("Lab\\Inner", Zone::Before), Effect::None);
  EXPECT_EQ(Over("Lab\\s1", Zone::On, "ctrl"), Effect::None);
  EXPECT_EQ(Over("Lab", Zone::After), Effect::Move) << "beside itself is a place in its folder";
  EXPECT_EQ(Over("Other\\Lab", Zone::On, "ctrl"), Effect::Copy);
  EXPECT_TRUE(dialog.Drag().TargetOffered());
  EXPECT_EQ(dialog.Drag().TargetPath(), "Other\\Lab");
  EXPECT_EQ(Over("Nowhere", Zone::On), Effect::None);
  Effect effect;
  std::string error;
  EXPECT_FALSE(dialog.DragOver("Other", Zone::On, "meta", effect, error));
  EXPECT_FALSE(dialog.BeginDrag("", error)) << "the root stays";
  dialog.DragLeave();
  EXPECT_FALSE(dialog.Drop("Other", Zone::On, "none", error)) << "nothing is dragged";
}

TEST_F(ConnectDialogDragTest, ARestingPointerOpensTheFolderAfterTheOrdersWait) {
  FakeClock clock;
  for (int alphabetical : {0, 1}) {
    SCOPED_TRACE(alphabetical);
    config->sortAlphabetical = alphabetical;
    uint64_t const wait = alphabetical ? 750 : 1000;
    dialog.Open();
    Begin("Lab");
    ConnectTreeItem* other = dialog.VisibleItems()[2];
    ASSERT_EQ(other->Path(), "Other");
    Over("Other", Zone::On);
    clock.Advance(wait - 1);
    dialog.DragTick();
    EXPECT_FALSE(other->expanded);
    EXPECT_EQ(dialog.Drag().HoverRemaining(), 1u);
    // Moving to another item starts the wait again.
    Over("Lab", Zone::On);
    clock.Advance(1);
    Over("Other", Zone::On);
    clock.Advance(wait - 1);
    dialog.DragTick();
    EXPECT_FALSE(other->expanded);
    clock.Advance(1);
    Over("Other", Zone::On);
    EXPECT_TRUE(other->expanded);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"", "Lab", "Other", "Other\\Lab", "Other\\s1"}));
    dialog.DragLeave();
  }
}

TEST_F(ConnectDialogDragTest, AlphabeticalOrderOnlyDropsOntoItems) {
  config->sortAlphabetical = 1;
  Reopen();
  Begin("Lab\\s2");
  EXPECT_EQ(Over("Lab\\s1", Zone::Before), Effect::Move);
  EXPECT_EQ(dialog.Drag().TargetZone(), Zone::On);
  DropOn("Lab\\s1", Zone::Before);
  EXPECT_EQ(Stored("Lab"), "Inner|s1,s2") << "no place among siblings in alphabetical order";
  Begin("Lab\\s2");
  DropOn("Other\\s1", Zone::After);
  EXPECT_EQ(Stored("Other"), "Lab|s1,s2");
}

TEST_F(ConnectDialogDragTest, ARecordFromAnotherDialogDropsAsTheSameMove) {
  Reopen();
  FolderTreeRecord const record{77, "Lab\\s2", "Lab", false};
  std::string error;
  ASSERT_TRUE(dialog.DragEnter(record.Pack(), error)) << error;
  DropOn("Other", Zone::On);
  EXPECT_EQ(Stored("Other"), "Lab|s1,s2");
  EXPECT_FALSE(dialog.DragEnter(std::vector<unsigned char>(527, 0), error));
  // The source went away in the meantime.
  ASSERT_TRUE(dialog.DragEnter(record.Pack(), error)) << error;
  DropOn("Lab", Zone::On);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Item 's2' is no longer available for pasting"}));
  EXPECT_EQ(Stored("Lab"), "Inner|s1");
}

}  // namespace
