#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "database/SessionDatabase.h"
#include "session/SessionConfig.h"
#include "support/InstalledMemoryStore.h"
#include "support/InstalledRegistryStore.h"
#include "support/ListNames.h"
#include "support/ScopedRoot.h"

namespace {

// Every folder's lists as the one-folder calls give them, in the tree's order.
std::vector<std::string> OneByOne(SessionDatabase& db, std::vector<SessionDatabase::FolderLists>& tree) {
  std::vector<std::string> described;
  for (auto& lists : tree) {
    CStringList folders;
    CStringList sessions;
    db.GetFolderList(lists.path, folders);
    db.GetSessionList(lists.path, sessions);
    std::string text = lists.path.Str() + ":";
    for (auto const& name : ListNames(folders)) text += " [" + name + "]";
    for (auto const& name : ListNames(sessions)) text += " " + name;
    described.push_back(text);
  }
  return described;
}

std::vector<std::string> Described(std::vector<SessionDatabase::FolderLists>& tree) {
  std::vector<std::string> described;
  for (auto& lists : tree) {
    std::string text = lists.path.Str() + ":";
    for (auto const& name : ListNames(lists.folders)) text += " [" + name + "]";
    for (auto const& name : ListNames(lists.sessions)) text += " " + name;
    described.push_back(text);
  }
  return described;
}

// Folders in the user's order, nested folders, a record naming the dead and missing the living,
// a key without the session mark (a folder), and one that holds the mark but is not first.
void Seed(SessionDatabase& db) {
  ISessionConfig* session = CreateSessionConfig("s", nullptr);
  for (char const* folder : {"b", "A", "c"}) db.InsertFolder("", folder, "", true);
  db.InsertFolder("A", "inner", "", true);
  for (char const* path : {"A\\two", "A\\one", "A\\inner\\deep", "c\\x", "top"}) {
    std::string const p(path);
    size_t const slash = p.rfind('\\');
    db.InsertSession(slash == std::string::npos ? "" : p.substr(0, slash), p.substr(slash + 1), session, "", true);
  }
  session->Release();
  db.Reorder("c", "b", false);
  VProfileStore store;
  VProfileKey(store.Root(), "Sessions\\c\\__FolderData__").SetSz("Session List", "gone:x:gone:");
  VProfileKey(store.Root(), "Sessions\\b\\bare");
  VProfileKey late(store.Root(), "Sessions\\b\\late");
  late.SetSz("Hostname", "h");
  late.SetDword("Is Session", 1);
}

TEST(SessionFolderTreeTest, EveryFolderListsAsItsOwnCallsListItOnBothStores) {
  for (bool registry : {false, true}) {
    for (int sorted : {0, 1}) {
      SCOPED_TRACE(std::string(registry ? "registry" : "memory") + (sorted ? ", sorted" : ""));
      ScopedRoot root;
      std::unique_ptr<InstalledMemoryStore> memory;
      std::unique_ptr<InstalledRegistryStore> hive;
      if (registry) hive = std::make_unique<InstalledRegistryStore>("Software\\Brimvale\\Tree");
      else memory = std::make_unique<InstalledMemoryStore>();
      SessionDatabase db(sorted);
      Seed(db);
      std::vector<SessionDatabase::FolderLists> tree;
      db.GetFolderTree(tree);
      std::vector<std::string> const atOnce = Described(tree);
      EXPECT_EQ(OneByOne(db, tree), atOnce);
      ASSERT_EQ(6u, atOnce.size());
      if (!sorted) {
        EXPECT_EQ(": [c] [b] [A] top", atOnce[0]);
        EXPECT_EQ("c: x", atOnce[1]);
        EXPECT_EQ("b: [bare] late", atOnce[2]);
      }
    }
  }
}

TEST(SessionFolderTreeTest, ACallersReadingKeepsItsValuesAndGivesEachSessionsNode) {
  for (bool registry : {false, true}) {
    SCOPED_TRACE(registry ? "registry" : "memory");
    ScopedRoot root;
    std::unique_ptr<InstalledMemoryStore> memory;
    std::unique_ptr<InstalledRegistryStore> hive;
    if (registry) hive = std::make_unique<InstalledRegistryStore>("Software\\Brimvale\\Tree");
    else memory = std::make_unique<InstalledMemoryStore>();
    SessionDatabase db(0);
    Seed(db);
    std::vector<SessionDatabase::FolderLists> plain;
    db.GetFolderTree(plain);
    std::vector<SessionDatabase::FolderLists> lists;
    VProfileSubtree tree = SessionDatabase::FolderTreeReading({{"Hostname", VProfileSubtree::Kind::Sz}});
    db.GetFolderTree(lists, tree);
    EXPECT_EQ(Described(lists), Described(plain));
    // Every session, the one of the repaired folder c too, with its node's name and host.
    std::vector<std::string> nodes;
    for (auto& folder : lists) {
      ASSERT_EQ(static_cast<size_t>(folder.sessions.GetCount()), folder.sessionNodes.size());
      std::vector<std::string> const names = ListNames(folder.sessions);
      for (size_t i = 0; i < names.size(); ++i) {
        VProfileSubtree::Node const& node = tree.At(folder.sessionNodes[i]);
        nodes.push_back(names[i] + "=" + node.name.Str() + ":" + node.values[SessionDatabase::kFolderTreeSlots].text.Str());
      }
    }
    EXPECT_EQ(nodes, (std::vector<std::string>{"top=top:", "x=x:", "late=late:h", "two=two:", "one=one:", "deep=deep:"}));
  }
}

TEST(SessionFolderTreeTest, AnEmptyStoreGivesTheRootAlone) {
  ScopedRoot root;
  InstalledRegistryStore hive("Software\\Brimvale\\Empty");
  SessionDatabase db(0);
  std::vector<SessionDatabase::FolderLists> tree(2);
  db.GetFolderTree(tree);
  ASSERT_EQ(1u, tree.size());
  EXPECT_EQ(0, tree[0].folders.GetCount());
  EXPECT_EQ(0, tree[0].sessions.GetCount());
}

}  // namespace
