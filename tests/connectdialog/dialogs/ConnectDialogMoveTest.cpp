// Moving and copying in the Connect dialog: Cut, Copy and Paste with the clipboard record byte for
// byte; dragging with its measuring rules, the effect over each target and the folder that opens
// under a resting pointer (on a fake clock); pastes and drops follow one set of rules, checked in
// the store with what they tell the user.
#include <gtest/gtest.h>

#include <sstream>

#include "connectdialog/dialogs/ConnectDialogWorld.h"
#include "dialogs/FolderTreeRecord.h"
#include "platform/types/UserInterfaceCodes.h"
#include "support/CaseFile.h"
#include "support/CdtoolRunner.h"
#include "support/FakeClock.h"
#include "support/Hex.h"

namespace {

using Dialog = ConnectDialog;
using Zone = ConnectTreeDrag::Zone;
using Effect = ConnectTreeDrag::Effect;

TEST(ConnectTreeDragTest, MeasuresZonesScrollingAndKeys) {
  char const* const zones[] = {"before", "on", "after"};
  char const* const effects[] = {"none", "move", "copy"};
  ExpectCaseFile("dialogs/drag_measures.txt", [&](std::string const& row) {
    if (row.starts_with("y ")) {
      int const y = std::stoi(row.substr(2));
      std::string const zone = y < 16 ? std::string("zone ") + zones[int(ConnectTreeDrag::ZoneAt(y, 16))] + ", " : "";
      return zone + "scroll " + std::to_string(ConnectTreeDrag::ScrollAt(y, 200)) + "\n";
    }
    Effect effect = Effect::None;
    bool const known = ConnectTreeDrag::EffectOfKeys(row.substr(std::min<size_t>(5, row.size())), effect);
    return std::string(known ? "" : "unknown, ") + effects[int(effect)] + "\n";
  });
}

// Root: Lab, Other. Lab holds folder Inner and sessions s1, s2; Other holds folder Lab and s1.
class ConnectDialogMoveTest : public ConnectDialogWorld {
 protected:
  ConnectDialogMoveTest() {
    AddLabAndOther();
    dialog.Open();
  }

  // Puts `source` on the clipboard (cut or copied), then pastes onto `target`.
  void CopyThenPaste(std::string const& source, bool cut, std::string const& target) {
    Select(Reveal(source));
    Run(cut ? Dialog::kCut : Dialog::kCopy);
    Select(Reveal(target));
    Run(Dialog::kPaste);
  }
  // Expands the folders on the way so that `path` is shown.
  std::string Reveal(std::string const& path) {
    for (size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1)) {
      std::string error;
      dialog.Expand(path.substr(0, at), error);
    }
    return path;
  }
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

TEST_F(ConnectDialogMoveTest, TheRecordIs528BytesAsTheFormatLaysThemOut) {
  Select(Reveal("Lab\\s2"));
  Run(Dialog::kCut);
  std::vector<unsigned char> bytes;
  ASSERT_TRUE(clipboard.GetData("FolderTree", bytes));
  // The handle (little-endian), the path and its parent in 260 bytes each, NUL-padded, and the cut flag.
  std::string expected(528, '\0');
  for (int i = 0; i < 4; ++i) expected[i] = static_cast<char>(dialog.Selected()->Handle() >> 8 * i);
  expected.replace(4, 6, "Lab\\s2").replace(264, 3, "Lab")[524] = 1;
  EXPECT_EQ(Hex(std::string(bytes.begin(), bytes.end())), Hex(expected));
  FolderTreeRecord read;
  EXPECT_TRUE(FolderTreeRecord::Unpack(bytes, read));
  EXPECT_EQ(read.Pack(), bytes);
  bytes[263] = 'x';
  std::fill(bytes.begin() + 4, bytes.begin() + 264, 'x');
  EXPECT_FALSE(FolderTreeRecord::Unpack(bytes, read)) << "a path without its NUL";
  FolderTreeRecord const tooLong{0, std::string(260, 'a'), "", false};
  FolderTreeRecord const longest{0, std::string(259, 'a'), "", false};
  EXPECT_TRUE(tooLong.Pack().empty());
  EXPECT_EQ(longest.Pack().size(), 528u);
}

// Each case pastes on the starting tree and puts it back for the next.
TEST_F(ConnectDialogMoveTest, PasteFollowsItsRules) {
  ExpectCaseFile("dialogs/pastes.txt", [this](std::string const& row) {
    SCOPED_TRACE(row);
    std::istringstream words(row);
    std::string source, how, target;
    EXPECT_TRUE(words >> source >> how >> target);
    Messages();
    CopyThenPaste(source, how == "cut", target);
    std::string const said = Said();
    if (how == "cut" && said.empty()) {
      EXPECT_FALSE(dialog.IsEnabled(Dialog::kPaste)) << "a cut record is used once";
      for (ConnectTreeItem* item : dialog.VisibleItems()) EXPECT_FALSE(dialog.IsCut(*item)) << item->Path();
    }
    std::string const answer = said + Stored("Lab") + " " + Stored("Other") + " " + dialog.SelectedPath() + "\n";
    SessionDatabase database(0);
    for (std::string const extra : {"Lab\\s1 (1)", "Other\\s2", "Lab\\Inner (1)"}) database.Remove(extra.c_str());
    if (!SessionDatabase::Exists("Lab\\s2")) AddSession("Lab", "s2");
    EXPECT_EQ(Stored("Lab") + " " + Stored("Other"), "Inner|s1,s2 Lab|s1");
    dialog.Open();
    return answer;
  });
  EXPECT_EQ(StoredProtocol("Other\\s1") + "," + StoredProtocol("Lab\\s1"), "Telnet,SSH2") << "refused moves keep both";
}

// The source is renamed before the paste: copied, by the tool in another process; cut, by this one.
TEST_F(ConnectDialogMoveTest, ASourceRenamedMeanwhileIsNoLongerAvailable) {
  std::string const rename = ShellQuoted(CDTOOL_PATH) + " --root " + ShellQuoted(world.Root()) +
                             " session rename 'Lab\\s1' renamed 2>&1";
  for (bool const cut : {false, true}) {
    SCOPED_TRACE(cut);
    Select(Reveal("Lab\\s1"));
    Run(cut ? Dialog::kCut : Dialog::kCopy);
    EXPECT_EQ(dialog.IsCut(*dialog.Selected()), cut);
    ASSERT_TRUE(cut ? SessionDatabase(0).Rename("Lab\\s1", "renamed", "s1") : std::system(rename.c_str()) == 0);
    Select("Other");
    Run(Dialog::kPaste);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Item 's1' is no longer available for pasting"}));
    EXPECT_EQ(dialog.IsEnabled(Dialog::kPaste), !cut) << "a copied record stays on the clipboard";
    EXPECT_EQ(Stored("Lab") + " " + Stored("Other"), "Inner|renamed,s2 Lab|s1");
    if (!cut) {
      EXPECT_EQ(StoredProtocol("Lab\\renamed"), "SSH2") << "the tool's rename keeps the session whole";
    }
    ASSERT_TRUE(SessionDatabase(0).Rename("Lab\\renamed", "s1", "renamed"));
    dialog.Open();
  }
}

TEST_F(ConnectDialogMoveTest, AClipboardThatCannotBeFilledIsReported) {
  clipboard.Refuse(true);
  Select("Lab");
  Run(Dialog::kCopy);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"ERROR: Unable to copy item to clipboard"}));
  EXPECT_EQ(ui.Shown().back().type, static_cast<unsigned>(MB_OK | MB_ICONEXCLAMATION));
  EXPECT_FALSE(dialog.IsEnabled(Dialog::kPaste));
  EXPECT_FALSE(dialog.IsCut(*dialog.Selected()));
}

TEST_F(ConnectDialogMoveTest, PasteFollowsWhatTheClipboardHoldsWhenItChanges) {
  FolderTreeRecord const fromElsewhere{7, "Lab\\s2", "Lab", false};
  std::vector<unsigned char> truncated = fromElsewhere.Pack();
  truncated.pop_back();
  struct Case { char const* what; std::string format; std::vector<unsigned char> bytes; bool pasteEnabled; };
  for (Case const& c : {Case{"a record from another process", "FolderTree", fromElsewhere.Pack(), true},
                        Case{"a block of another format", "Text", fromElsewhere.Pack(), false},
                        Case{"a record of the wrong size", "FolderTree", truncated, false},
                        Case{"the record again", "FolderTree", fromElsewhere.Pack(), true}}) {
    clipboard.Clear();
    clipboard.SetData(c.format, c.bytes);
    dialog.ClipboardChanged();
    EXPECT_EQ(dialog.IsEnabled(Dialog::kPaste), c.pasteEnabled) << c.what;
  }
  Select("Other");
  Run(Dialog::kPaste);
  EXPECT_EQ(Stored("Other"), "Lab|s1,s2");
  EXPECT_EQ(Stored("Lab"), "Inner|s1,s2");
}

TEST_F(ConnectDialogMoveTest, DropsFollowThePasteRulesAtTheZonesPlace) {
  ExpectCaseFile("dialogs/drops.txt", [this](std::string const& row) {
    SCOPED_TRACE(row);
    std::istringstream words(row);
    std::string source, target, zoneName, keys;
    Zone zone = Zone::On;
    EXPECT_TRUE(words >> source >> target >> zoneName >> keys && ConnectTreeDrag::ParseZone(zoneName, zone));
    Seed();
    Reopen();
    Select("Lab\\s2");
    Messages();
    Begin(source);
    DropOn(target, zone, keys);
    EXPECT_FALSE(dialog.Drag().IsActive());
    return Said() + Stored("") + " " + Stored("Lab") + " " + Stored("Other") + " " + dialog.SelectedPath() + "\n";
  });
  EXPECT_EQ(StoredProtocol("Other\\s1") + "," + StoredProtocol("Lab\\s1"), "Telnet,SSH2") << "refused moves keep both";
}

TEST_F(ConnectDialogMoveTest, AFolderIsNeverOfferedAPlaceInsideItself) {
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

TEST_F(ConnectDialogMoveTest, ARestingPointerOpensTheFolderAfterTheOrdersWait) {
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

TEST_F(ConnectDialogMoveTest, AlphabeticalOrderOnlyDropsOntoItems) {
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

TEST_F(ConnectDialogMoveTest, ARecordFromAnotherDialogDropsAsTheSameMove) {
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
