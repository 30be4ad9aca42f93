#include <gtest/gtest.h>

#include <optional>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "support/InstalledMemoryStore.h"
#include "support/InstalledRegistryStore.h"
#include "support/ScopedRoot.h"
#include "support/SessionTree.h"

namespace {

using Lines = std::vector<std::string>;

// Every folder's lists in the tree's order: as read with the tree, or as `db`'s one-folder calls give them.
Lines Described(std::vector<SessionDatabase::FolderLists>& tree, SessionDatabase* db = nullptr) {
  Lines described;
  for (auto& lists : tree) {
    std::string const path = lists.path.Str();
    std::string text = path + ":";
    for (auto const& name : db ? FolderNames(*db, path) : ListNames(lists.folders)) text += " [" + name + "]";
    for (auto const& name : db ? SessionNames(*db, path) : ListNames(lists.sessions)) text += " " + name;
    described.push_back(text);
  }
  return described;
}

// Folders in the user's order, nested folders, a record naming the dead and missing the living,
// a key without the session mark (a folder), and one that holds the mark but is not first.
void Seed(SessionDatabase& db) {
  for (char const* folder : {"b", "A", "c"}) db.InsertFolder("", folder, "", true);
  db.InsertFolder("A", "inner", "", true);
  for (char const* path : {"A\\two", "A\\one", "A\\inner\\deep", "c\\x", "top"}) AddSession(db, path);
  db.Reorder("c", "b", false);
  VProfileStore store;
  VProfileKey(store.Root(), "Sessions\\c\\__FolderData__").SetSz("Session List", "gone:x:gone:");
  VProfileKey(store.Root(), "Sessions\\b\\bare");
  VProfileKey late(store.Root(), "Sessions\\b\\late");
  late.SetSz("Hostname", "h");
  late.SetDword("Is Session", 1);
}

TEST(SessionFolderTreeTest, TheTreeListsAsTheOneFolderCallsAndGivesEachSessionsNodeOnBothStores) {
  for (bool registry : {false, true}) {
    for (int sorted : {0, 1}) {
      SCOPED_TRACE(std::string(registry ? "registry" : "memory") + (sorted ? ", sorted" : ""));
      ScopedRoot root;
      std::optional<InstalledMemoryStore> memory;
      std::optional<InstalledRegistryStore> hive;
      if (registry) hive.emplace("Software\\Brimvale\\Tree");
      else memory.emplace();
      SessionDatabase db(sorted);
      Seed(db);
      std::vector<SessionDatabase::FolderLists> plain;
      db.GetFolderTree(plain);
      Lines const atOnce = Described(plain);
      EXPECT_EQ(Described(plain, &db), atOnce);
      ASSERT_EQ(6u, atOnce.size());
      if (sorted) continue;
      EXPECT_EQ(Lines(atOnce.begin(), atOnce.begin() + 3), (Lines{": [c] [b] [A] top", "c: x", "b: [bare] late"}));
      // A caller's reading keeps its values: every session, the one of the repaired folder c too,
      // with its node's name and host.
      std::vector<SessionDatabase::FolderLists> lists;
      VProfileSubtree tree = SessionDatabase::FolderTreeReading({{"Hostname", VProfileSubtree::Kind::Sz}});
      db.GetFolderTree(lists, tree);
      EXPECT_EQ(Described(lists), atOnce);
      Lines nodes;
      for (auto& folder : lists) {
        ASSERT_EQ(static_cast<size_t>(folder.sessions.GetCount()), folder.sessionNodes.size());
        Lines const names = ListNames(folder.sessions);
        for (size_t i = 0; i < names.size(); ++i) {
          VProfileSubtree::Node const& node = tree.At(folder.sessionNodes[i]);
          std::string const host = node.values[SessionDatabase::kFolderTreeSlots].text.Str();
          nodes.push_back(names[i] + "=" + node.name.Str() + ":" + host);
        }
      }
      EXPECT_EQ(nodes, (Lines{"top=top:", "x=x:", "late=late:h", "two=two:", "one=one:", "deep=deep:"}));
    }
  }
}

TEST(SessionFolderTreeTest, AnEmptyStoreGivesTheRootAlone) {
  ScopedRoot root;
  InstalledRegistryStore hive("Software\\Brimvale\\Empty");
  SessionDatabase db(0);
  std::vector<SessionDatabase::FolderLists> tree(2);
  db.GetFolderTree(tree);
  EXPECT_EQ(Described(tree), Lines{":"});
}

}  // namespace
