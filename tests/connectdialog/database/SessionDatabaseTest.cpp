#include "database/SessionDatabase.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <sstream>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "VStoreFailure.h"
#include "platform/types/FileConstants.h"
#include "support/CaseFile.h"
#include "support/DeepKeyChain.h"
#include "support/FaultyDiskVfs.h"
#include "support/InstalledMemoryStore.h"
#include "support/InstalledRegistryStore.h"
#include "support/Joined.h"
#include "support/ScopedRoot.h"
#include "support/SessionTree.h"

namespace {

using Names = std::vector<std::string>;

Names Words(std::string const& text) {
  std::istringstream words(text);
  return Names(std::istream_iterator<std::string>(words), {});
}

class SessionDatabaseTest : public testing::Test {
 protected:
  void Add(std::string const& path) { AddSession(m_db, path); }
  Names Sessions(std::string const& folder) { return SessionNames(m_db, folder); }
  // A folder's folders as "[name]", then its sessions, in the listed order.
  std::string Listed(std::string const& folder) {
    std::string text;
    for (auto const& name : FolderNames(m_db, folder)) text += (text.empty() ? "[" : " [") + name + "]";
    for (auto const& name : SessionNames(m_db, folder)) text += (text.empty() ? "" : " ") + name;
    return text;
  }
  // The text `name` of the key "Sessions\<key>", "<missing>" when there is none.
  static std::string ReadSz(std::string const& key, char const* name) {
    VProfileStore store(true, nullptr);
    VString value;
    return VProfileKey(store.Root(), ("Sessions\\" + key).c_str()).GetSz(name, value) ? value.Str() : "<missing>";
  }
  static void WriteSz(std::string const& key, char const* name, char const* value) {
    VProfileStore store;
    VProfileKey(store.Root(), ("Sessions\\" + key).c_str()).SetSz(name, value);
  }
  static void MarkSession(std::string const& key) {
    VProfileStore store;
    VProfileKey(store.Root(), ("Sessions\\" + key).c_str()).SetDword("Is Session", 1);
  }
  static bool KeyExists(std::string const& key) {
    VProfileStore store(true, nullptr);
    return store.Root()->KeyExists(("Sessions\\" + key).c_str());
  }
  InstalledMemoryStore m_store;
  SessionDatabase m_db{0};
};

TEST_F(SessionDatabaseTest, OrderRecordIsMergedWithTheChildrenAndRewritten) {
  int n = 0;
  ExpectCaseFile("connectdialog/folder_order_records.txt", [&](std::string const& input) {
    std::string const folder = "F" + std::to_string(n++);
    size_t const record = input.find(", record ");
    for (std::string const& child : Words(input.substr(0, record))) MarkSession(folder + "\\" + child);
    WriteSz(folder + "\\__FolderData__", "Session List", input.substr(record + 9).c_str());
    std::string listed = "listed";
    for (std::string const& name : Sessions(folder)) listed += " " + name;
    return listed + "\nrecord " + ReadSz(folder + "\\__FolderData__", "Session List") + "\n";
  });
}

TEST_F(SessionDatabaseTest, InsertingAtPositionsReorderingSortingAndNewFolders) {
  for (char const* name : {"A", "B", "C"}) Add(name);
  SessionHolder session(static_cast<SessionConfig*>(CreateSessionConfig("X", nullptr)));
  m_db.InsertSession("", "X", session.get(), "A", true);
  m_db.InsertSession("", "Y", session.get(), "A", false);
  m_db.InsertSession("", "Z", session.get(), "missing", false);
  EXPECT_EQ(Sessions(""), (Names{"Y", "A", "X", "B", "C", "Z"}));
  EXPECT_EQ(m_db.Reorder("Z", "Y", false), CString("Z"));
  EXPECT_EQ(Sessions(""), (Names{"Z", "Y", "A", "X", "B", "C"}));
  m_db.Reorder("A", "nowhere", true);
  EXPECT_EQ(ReadSz("__FolderData__", "Session List"), "Z:Y:X:B:C:");
  EXPECT_EQ(Sessions(""), (Names{"Z", "Y", "X", "B", "C", "A"}));
  // Sorted lists ignore positions; the user's order is kept all the same: "W" appended, not before "A".
  SessionDatabase sorted(1);
  sorted.InsertSession("", "W", session.get(), "A", false);
  EXPECT_EQ(SessionNames(sorted, ""), (Names{"A", "B", "C", "W", "X", "Y", "Z"}));
  EXPECT_EQ(Sessions(""), (Names{"Z", "Y", "X", "B", "C", "A", "W"}));
  // A new folder has an empty record and no temporary session.
  m_db.InsertFolder("", "Lab", "", true);
  m_db.InsertFolder("Lab", "Routers", "", true);
  m_db.InsertFolder("", "Office", "Lab", false);
  EXPECT_EQ(Joined(KeyExists("Lab\\Routers\\_@@TMP@@_"), ReadSz("Lab\\Routers\\__FolderData__", "Folder List"),
                   ReadSz("Lab\\Routers\\__FolderData__", "Session List"), ReadSz("__FolderData__", "Folder List"),
                   m_db.IsFolder("Lab\\Routers"), m_db.HasChildren("Lab"), m_db.HasChildren("Lab\\Routers")),
            "0|||Office:Lab:|1|1|0");
}

TEST_F(SessionDatabaseTest, CopiesGetUniqueNamesAndAFolderCopiedIntoItselfCopiesItsOldChildrenOnce) {
  for (char const* path : {"S", "S (1)", "S (2)", "F\\S", "F\\S (1)", "F\\Sub\\b"}) Add(path);
  EXPECT_EQ(m_db.Copy("S", "F", true, "", true), CString("F\\S (2)"));
  EXPECT_EQ(m_db.Copy("S", "", true, "", true), CString("S (3)"));
  EXPECT_TRUE(SessionDatabase::Exists("S (3)"));
  EXPECT_EQ(m_db.GetUniqueSessionName("F\\S"), CString("F\\S (3)"));
  EXPECT_EQ(m_db.GetUniqueSessionName("T"), CString("T"));
  Add("T");
  EXPECT_EQ(m_db.GetUniqueSessionName("T"), CString("T (2)"));
  EXPECT_EQ(m_db.Copy("F", "F", true, "", true), CString("F\\F"));
  EXPECT_EQ(Joined(Listed("F"), Listed("F\\F"), Listed("F\\F\\Sub")), "[Sub] [F] S S (1) S (2)|[Sub] S S (1) S (2)|b");
  EXPECT_EQ(m_db.Copy("F", "", true, "", true), CString("F (1)"));
  EXPECT_EQ(Listed("F (1)"), Listed("F"));
}

TEST_F(SessionDatabaseTest, RenameMovesTheEntryAfterThePositionAndRemoveDeletesTheSubtree) {
  for (char const* path : {"A", "B", "C", "F\\x"}) Add(path);
  m_db.Rename("A", "Z", "C");
  m_db.Rename("F", "G", "");
  EXPECT_EQ(Joined(Listed(""), Listed("G"), SessionDatabase::Exists("F")), "[G] B C Z|x|0");
  SessionHolder renamed(static_cast<SessionConfig*>(m_db.Lookup("G\\x")));
  ASSERT_TRUE(renamed);
  EXPECT_EQ(Joined(renamed->GetSessionName(), renamed->GetSessionPath()), "x|G\\x");
  for (char const* path : {"Lab\\Deep\\s", "Office\\t"}) Add(path);
  EXPECT_TRUE(m_db.Remove("Lab"));
  EXPECT_FALSE(KeyExists("Lab"));
  EXPECT_EQ(ReadSz("__FolderData__", "Folder List"), "G:Office:");
  EXPECT_FALSE(m_db.Remove("Lab"));
  EXPECT_FALSE(m_db.Remove(""));
  m_store.Factory().SetUndeletable("Sessions\\Office\\t");
  EXPECT_FALSE(m_db.Remove("Office\\t"));
  EXPECT_EQ(ReadSz("Office\\__FolderData__", "Session List"), "t:");
}

TEST_F(SessionDatabaseTest, DefaultSessionEmptinessAndSaving) {
  EXPECT_FALSE(m_db.IsEmpty());
  EXPECT_EQ(m_db.Lookup("default"), nullptr);
  SessionHolder session(static_cast<SessionConfig*>(m_db.Lookup("Default")));
  ASSERT_TRUE(session);
  EXPECT_EQ(session->GetSessionName(), CString("Default"));
  EXPECT_TRUE(m_db.IsEmpty());
  session->titleBar = "changed";
  m_db.Save(session.get(), false);
  EXPECT_NE(ReadSz("Default", "Title Bar"), "changed");
  m_db.Save(session.get(), true);
  EXPECT_EQ(ReadSz("Default", "Title Bar"), "changed");
  EXPECT_FALSE(m_db.HasChildren(""));
  m_db.InsertFolder("", "F", "", true);
  EXPECT_FALSE(m_db.IsEmpty());
  EXPECT_EQ(m_db.Lookup("F"), nullptr);
  EXPECT_EQ(m_db.Lookup("missing"), nullptr);
  // A new session is inserted under its path.
  SessionHolder created(static_cast<SessionConfig*>(CreateSessionConfig("n", nullptr)));
  created->SetSessionPath("F\\n");
  created->titleBar = "mine";
  m_db.Save(created.get(), false);
  EXPECT_EQ(Sessions("F"), (Names{"n"}));
  EXPECT_EQ(ReadSz("F\\n", "Title Bar"), "mine");
}

TEST_F(SessionDatabaseTest, ApplyDeltaChangesOnlyTheChangedOptionOfWritableSessions) {
  for (char const* path : {"a", "F\\b", "F\\locked"}) Add(path);
  WriteSz("F\\b", "Idle String", "keep");
  m_store.Factory().SetLocked("Sessions\\F\\locked");
  SessionHolder delta(static_cast<SessionConfig*>(m_db.Lookup("Default")));
  delta->Checkpoint();
  delta->titleBar = "new title";
  std::vector<int> updatedSoFar;
  GlobalChangeTally const tally = m_db.EnumAndApplyDelta(
      delta.get(), [&](GlobalChangeTally const& sofar) { updatedSoFar.push_back(sofar.updated); });
  // Store order: a, Default (one of the sessions walked), F\b, F\locked.
  EXPECT_EQ(updatedSoFar, (std::vector<int>{1, 2, 3, 3}));
  EXPECT_EQ(Joined(tally.visited, tally.updated, ReadSz("a", "Title Bar"), ReadSz("F\\b", "Title Bar"),
                   ReadSz("F\\b", "Idle String"), ReadSz("F\\locked", "Title Bar")), "4|3|new title|new title|keep|");
  EXPECT_EQ(m_db.EnumAndApplyDelta(nullptr).visited, 0);
}

TEST_F(SessionDatabaseTest, WalksVisitEverySessionAndSkipTheRecords) {
  for (char const* path : {"a", "F\\b", "F\\G\\c"}) Add(path);
  m_db.EnumAndSetAllBoolValues("Flag", true);
  Names visited;
  SessionDatabase::EnumAllSessions(
      [](VProfileKey& key, char const* path, char const* name, void* context) {
        unsigned long flag = 0;
        key.GetDword("Flag", flag);
        static_cast<Names*>(context)->push_back(std::string(path) + "=" + name + "/" + std::to_string(flag));
      },
      &visited);
  EXPECT_EQ(visited, (Names{"a=a/1", "F\\b=b/1", "F\\G\\c=c/1"}));
}

TEST_F(SessionDatabaseTest, MatchingProtocolFollowsTheHostKind) {
  int n = 0;
  ExpectCaseFile("connectdialog/session_protocol_hosts.txt", [&](std::string const& input) {
    std::string const name = "s" + std::to_string(n++);
    MarkSession(name);
    Names const stored = Words(input);
    if (stored[0] != "-") WriteSz(name, "Protocol Name", stored[0].c_str());
    if (stored[1] != "-") WriteSz(name, "Transfer Protocol Name", stored[1].c_str());
    auto const yes = [&](unsigned int product) { return m_db.HasMatchingProtocol(product, name) ? "yes" : "no"; };
    return std::string("terminal host: ") + yes(3) + ", transfer host: " + yes(6);
  });
}

// Every folder's lists in the tree's order: as read with the tree, or as `db`'s one-folder calls give them.
Names Described(std::vector<SessionDatabase::FolderLists>& tree, SessionDatabase* db = nullptr) {
  Names described;
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
      Names const atOnce = Described(plain);
      EXPECT_EQ(Described(plain, &db), atOnce);
      ASSERT_EQ(6u, atOnce.size());
      if (sorted) continue;
      EXPECT_EQ(Names(atOnce.begin(), atOnce.begin() + 3), (Names{": [c] [b] [A] top", "c: x", "b: [bare] late"}));
      // A caller's reading keeps its values: every session, the one of the repaired folder c too,
      // with its node's name and host.
      std::vector<SessionDatabase::FolderLists> lists;
      VProfileSubtree tree = SessionDatabase::FolderTreeReading({{"Hostname", VProfileSubtree::Kind::Sz}});
      db.GetFolderTree(lists, tree);
      EXPECT_EQ(Described(lists), atOnce);
      Names nodes;
      for (auto& folder : lists) {
        ASSERT_EQ(static_cast<size_t>(folder.sessions.GetCount()), folder.sessionNodes.size());
        Names const names = ListNames(folder.sessions);
        for (size_t i = 0; i < names.size(); ++i) {
          VProfileSubtree::Node const& node = tree.At(folder.sessionNodes[i]);
          std::string const host = node.values[SessionDatabase::kFolderTreeSlots].text.Str();
          nodes.push_back(names[i] + "=" + node.name.Str() + ":" + host);
        }
      }
      EXPECT_EQ(nodes, (Names{"top=top:", "x=x:", "late=late:h", "two=two:", "one=one:", "deep=deep:"}));
    }
  }
}

TEST(SessionFolderTreeTest, AnEmptyStoreGivesTheRootAlone) {
  ScopedRoot root;
  InstalledRegistryStore hive("Software\\Brimvale\\Empty");
  SessionDatabase db(0);
  std::vector<SessionDatabase::FolderLists> tree(2);
  db.GetFolderTree(tree);
  EXPECT_EQ(Described(tree), Names{":"});
}

// On the real hive files: moves and renames, trees deeper than the registry allows, a process
// killed halfway through a change, and stores that fail.
class SessionDatabaseHiveTest : public testing::Test {
 protected:
  // The title bar stored at `path`, "<missing>" when no key is there.
  static std::string Title(std::string const& path) {
    VProfileStore store(true, nullptr);
    if (!store.Root()->KeyExists(("Sessions\\" + path).c_str())) return "<missing>";
    VString title;
    return VProfileKey(store.Root(), ("Sessions\\" + path).c_str()).GetSz("Title Bar", title) ? title.Str() : "";
  }
  // The names below `folder` as stored (the real spelling, not the asked one), folders first.
  std::string StoredNames(std::string const& folder) {
    std::string names;
    for (auto const& name : FolderNames(m_db, folder)) names += name + ":";
    for (auto const& name : SessionNames(m_db, folder)) names += name + ":";
    return names;
  }
  ScopedRoot m_root;
  InstalledRegistryStore m_store{"SOFTWARE\\Brimvale\\Hive"};
  SessionDatabase m_db{0};
};

// Refusals keep the source; then case-only renames of the longest name and a folder keep everything.
TEST_F(SessionDatabaseHiveTest, RefusedRenamesKeepTheSourceAndCaseOnlyRenamesKeepEverything) {
  std::string const lower(SessionDatabase::kMaxNameBytes, 'a'), upper(SessionDatabase::kMaxNameBytes, 'A');
  ASSERT_TRUE(AddSession(m_db, "S1", "one") && AddSession(m_db, "S2", "two") && AddSession(m_db, "F\\inner", "in"));
  EXPECT_FALSE(m_db.InsertFolder("", lower + "a", "", true));
  EXPECT_FALSE(m_db.Rename("S1", lower + "a", "S1"));
  EXPECT_FALSE(m_db.Rename("S1", "s2", "S1")) << "another entry's name";
  EXPECT_FALSE(m_db.Move("S1", "", "", true)) << "its own folder";
  EXPECT_FALSE(m_db.Move("F", "f", "", true)) << "into itself";
  EXPECT_EQ(Joined(StoredNames(""), StoredNames("F"), Title("S1"), Title("S2"), Title("F\\inner")),
            "F:S1:S2:|inner:|one|two|in");
  ASSERT_TRUE(AddSession(m_db, lower, "kept"));
  EXPECT_TRUE(m_db.Rename(lower, upper, lower));
  EXPECT_TRUE(m_db.Rename("F", "f", "F"));
  EXPECT_EQ(Joined(StoredNames(""), Title(upper), Title("f\\inner")), "f:S1:S2:" + upper + ":|kept|in");
  EXPECT_TRUE(m_db.Move(upper, "f", "", true));
  EXPECT_EQ(Joined(StoredNames("f"), Title("f\\" + upper), Title(lower)), "inner:" + upper + ":|kept|<missing>");
}

struct Visited {
  std::vector<std::string> names;
  size_t longestPath = 0;
};

void Record(VProfileKey&, char const* path, char const* name, void* context) {
  auto& visited = *static_cast<Visited*>(context);
  visited.names.push_back(name);
  visited.longestPath = std::max(visited.longestPath, std::string(path).size());
}

// Session trees that an older build let grow deeper than the registry now allows: every walk finishes.
TEST_F(SessionDatabaseHiveTest, EveryWalkFinishesOnATreeDeeperThanTheLimit) {
  constexpr int kLevels = 100000;
  ASSERT_TRUE(AddSession(m_db, "top") && m_db.InsertFolder("", "deep", "", true));
  ASSERT_EQ(ERROR_SUCCESS, RegUnloadHives());
  ASSERT_TRUE(AddDeepKeyChain(m_root.File("user/registry.db"), {"software", "brimvale", "hive", "sessions", "deep"},
                              kLevels, "f", true));
  // Made first: the default session it stands for may be stored on the way.
  SessionHolder delta(static_cast<SessionConfig*>(CreateSessionConfig("Default", nullptr)));
  ASSERT_NE(nullptr, delta);
  delta->Checkpoint();
  delta->titleBar = "applied";
  // "deep" and every level below it are folders; the last level is the session "f".
  Visited all;
  SessionDatabase::EnumAllSessions(&Record, &all);
  ASSERT_FALSE(all.names.empty());  // the path of the deepest session is whole
  EXPECT_EQ(Joined(all.names.front(), all.names.back(), all.longestPath), Joined("f", "top", 4u + 2 * kLevels));
  m_db.EnumAndSetAllBoolValues("Flag", true);
  Visited flagged;
  SessionDatabase::EnumAllSessions(
      [](VProfileKey& key, char const*, char const* name, void* context) {
        unsigned long flag = 0;
        if (key.GetDword("Flag", flag) && flag == 1) static_cast<Visited*>(context)->names.push_back(name);
      },
      &flagged);
  EXPECT_EQ(all.names, flagged.names);
  GlobalChangeTally const tally = m_db.EnumAndApplyDelta(delta.get());
  EXPECT_EQ(Joined(tally.visited, tally.updated), Joined(all.names.size(), all.names.size()));
  EXPECT_TRUE(m_db.Remove("deep"));
  EXPECT_FALSE(SessionDatabase::Exists("deep"));
  Visited left;
  SessionDatabase::EnumAllSessions(&Record, &left);
  all.names.erase(all.names.begin());
  EXPECT_EQ(all.names, left.names);
}

struct Seen {
  int updated = 0, unchanged = 0, mixed = 0;
};

void Classify(VProfileKey& key, char const*, char const*, void* context) {
  VString title, idle;
  key.GetSz("Title Bar", title);
  key.GetSz("Idle String", idle);
  Seen& seen = *static_cast<Seen*>(context);
  bool const newTitle = title == "new title";
  bool const newIdle = idle == "new idle";
  ++(newTitle && newIdle ? seen.updated : !newTitle && !newIdle ? seen.unchanged : seen.mixed);
}

// A process killed halfway through applying a change to 2,000 sessions leaves every session as
// it was (the walk is one unit of work), and the tree still reads.
TEST_F(SessionDatabaseHiveTest, KilledApplyDeltaLeavesNoSessionHalfChanged) {
  {
    VProfileStore seeding;
    SessionHolder session(static_cast<SessionConfig*>(CreateSessionConfig("s", nullptr)));
    for (int folder = 0; folder < 20; ++folder) {
      std::string const name = "folder" + std::to_string(folder);
      m_db.InsertFolder("", name, "", true);
      for (int n = 0; n < 100; ++n) m_db.InsertSession(name, "s" + std::to_string(n), session.get(), "", true);
    }
  }
  SessionHolder delta(static_cast<SessionConfig*>(m_db.Lookup("Default")));
  delta->Checkpoint();
  delta->titleBar = "new title";
  delta->idleString = "new idle";
  ASSERT_EQ(RegUnloadHives(), ERROR_SUCCESS);
  pid_t const child = fork();
  if (child == 0) {
    // About halfway, as a crash or a power cut would.
    m_db.EnumAndApplyDelta(delta.get(), [](GlobalChangeTally const& sofar) {
      if (sofar.updated == 1000) raise(SIGKILL);
    });
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFSIGNALED(status));
  Seen seen;
  SessionDatabase::EnumAllSessions(&Classify, &seen);
  EXPECT_EQ(Joined(seen.mixed, seen.updated, seen.unchanged, FolderNames(m_db, "").size()), "0|0|2001|20");
}

// A store that fails (full disk, read-only file, damaged file) is reported as what it is: the
// database answers "not done" and VStoreFailure names the failure, never an empty or partial
// tree presented as the truth.
class SessionDatabaseStoreFailureTest : public SessionDatabaseHiveTest {
 protected:
  SessionDatabaseStoreFailureTest() {
    for (int i = 0; i < kSessions; ++i) AddSession(m_db, "Lab\\s" + std::to_string(i));
    RegUnloadHives();  // the next call opens the file afresh, through whatever disk is installed
    VStoreFailure::Clear();
  }
  ~SessionDatabaseStoreFailureTest() override { RegUnloadHives(); }
  int SessionCount() { return static_cast<int>(SessionNames(m_db, "Lab").size()); }
  static constexpr int kSessions = 40;
};

TEST_F(SessionDatabaseStoreFailureTest, WritesThatTheDiskRefusesAreReportedAndChangeNothing) {
  struct Case { FaultyDiskVfs::Fault fault; long code; };
  for (Case const c : {Case{FaultyDiskVfs::Fault::DiskFull, ERROR_DISK_FULL},
                       Case{FaultyDiskVfs::Fault::ReadOnly, ERROR_ACCESS_DENIED}}) {
    SCOPED_TRACE(static_cast<int>(c.fault));
    {
      FaultyDiskVfs disk;
      FaultyDiskVfs::Set(c.fault);
      RegUnloadHives();
      VStoreFailure::Clear();
      EXPECT_EQ(SessionCount(), kSessions) << "reading needs no write";
      EXPECT_FALSE(VStoreFailure::Any()) << VStoreFailure::Describe();
      EXPECT_FALSE(AddSession(m_db, "Lab\\new"));
      EXPECT_EQ(VStoreFailure::Code(), c.code);
      VStoreFailure::Clear();
      EXPECT_FALSE(m_db.Remove("Lab\\s1"));
      EXPECT_EQ(VStoreFailure::Code(), c.code);
      EXPECT_NE(VStoreFailure::Describe().find("registry.db"), std::string::npos) << VStoreFailure::Describe();
      RegUnloadHives();
    }
    EXPECT_EQ(Joined(SessionCount(), m_db.Exists("Lab\\s1"), m_db.Exists("Lab\\new")), Joined(kSessions, true, false));
  }
}

TEST_F(SessionDatabaseStoreFailureTest, ADamagedFileIsReportedNotListedAsEmptyOrAsFolders) {
  struct Case { char const* name; std::function<void(std::fstream&)> damage; };
  Case const cases[] = {
      {"three zeroed pages in the middle",
       [](std::fstream& f) {
         f.seekg(0, std::ios::end);
         f.seekp((static_cast<long>(f.tellg()) / 2) / 4096 * 4096);
         std::string const zeros(3 * 4096, '\0');
         f.write(zeros.data(), static_cast<std::streamsize>(zeros.size()));
       }},
      {"garbage over the header", [](std::fstream& f) { f.write("not a store at all, just text", 29); }},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.name);
    {
      std::fstream f(m_root.File("user/registry.db"), std::ios::in | std::ios::out | std::ios::binary);
      ASSERT_TRUE(f.is_open());
      c.damage(f);
    }
    VStoreFailure::Clear();
    size_t const folders = FolderNames(m_db, "Lab").size();
    int const listed = SessionCount();
    int found = 0;
    for (int i = 0; i < kSessions; ++i) {
      SessionHolder session(static_cast<SessionConfig*>(m_db.Lookup(("Lab\\s" + std::to_string(i)).c_str())));
      found += session != nullptr;
    }
    EXPECT_EQ(VStoreFailure::Code(), ERROR_BADDB)
        << "listed " << listed << " sessions and " << folders << " folders, found " << found;
    RegUnloadHives();
  }
}

}  // namespace
