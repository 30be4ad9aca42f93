#include "database/SessionDatabase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "database/ProfileFolderData.h"
#include "session/SessionConfig.h"
#include "support/InstalledMemoryStore.h"
#include "support/ListNames.h"

namespace {

using Names = std::vector<std::string>;

class SessionDatabaseTest : public testing::Test {
 protected:
  // Stores a default-valued session at `path`, its folders created on the way.
  static void AddSession(std::string const& path, SessionDatabase& db) {
    size_t const slash = path.rfind('\\');
    std::string const folder = slash == std::string::npos ? "" : path.substr(0, slash);
    std::string const name = path.substr(slash + 1);
    ISessionConfig* session = CreateSessionConfig(name.c_str(), nullptr);
    db.InsertSession(folder, name, session, "", true);
    session->Release();
  }
  void AddSession(std::string const& path) { AddSession(path, m_db); }

  Names Sessions(char const* folder) {
    CStringList list;
    m_db.GetSessionList(folder, list);
    return ListNames(list);
  }
  Names Folders(char const* folder) {
    CStringList list;
    m_db.GetFolderList(folder, list);
    return ListNames(list);
  }

  static std::string ReadSz(char const* keyPath, char const* name) {
    VProfileStore store(true, nullptr);
    VProfileKey key(store.Root(), keyPath);
    VString value;
    return key.GetSz(name, value) ? std::string(value.c_str(), value.Length()) : "<missing>";
  }
  static void WriteSz(char const* keyPath, char const* name, char const* value) {
    VProfileStore store;
    VProfileKey(store.Root(), keyPath).SetSz(name, value);
  }
  static void MarkSession(char const* keyPath) {
    VProfileStore store;
    VProfileKey(store.Root(), keyPath).SetDword("Is Session", 1);
  }
  static bool KeyExists(char const* keyPath) {
    VProfileStore store(true, nullptr);
    return store.Root()->KeyExists(keyPath);
  }

  InstalledMemoryStore m_store;
  SessionDatabase m_db{0};
};

TEST_F(SessionDatabaseTest, OrderRecordIsMergedWithTheChildrenAndRewritten) {
  struct Case {
    char const* stored;
    Names children;
    Names arranged;
    char const* rewritten;
  };
  std::vector<Case> const cases{
      {"B:A:", {"A", "B", "Gamma"}, {"B", "A", "Gamma"}, "B:A:Gamma:"},
      {"A:Gone:", {"A"}, {"A"}, "A:"},
      {"A:B", {"A", "B"}, {"A", "B"}, "A:B:"},
      {"", {"B", "A"}, {"A", "B"}, "A:B:"},
      {"B:A:", {"A", "B"}, {"B", "A"}, "B:A:"},
      // A record in step with the children, then names it should not hold.
      {"A:B:A:", {"A", "B"}, {"A", "B"}, "A:B:"},
      {"A:A:B:", {"A", "B"}, {"A", "B"}, "A:B:"},
      {"A:B:Gone:", {"A", "B"}, {"A", "B"}, "A:B:"},
      {"A:B:", {"A", "B", "C"}, {"A", "B", "C"}, "A:B:C:"},
      {"A:C:B:", {"A", "B", "C"}, {"A", "C", "B"}, "A:C:B:"},
      {"A:B:C", {"A", "B", "C"}, {"A", "B", "C"}, "A:B:C:"},
  };
  int n = 0;
  for (Case const& c : cases) {
    std::string const folder = "F" + std::to_string(n++);
    std::string const keyPath = "Sessions\\" + folder;
    for (std::string const& child : c.children) MarkSession((keyPath + "\\" + child).c_str());
    WriteSz((keyPath + "\\__FolderData__").c_str(), "Session List", c.stored);
    EXPECT_EQ(Sessions(folder.c_str()), c.arranged) << c.stored;
    EXPECT_EQ(ReadSz((keyPath + "\\__FolderData__").c_str(), "Session List"), c.rewritten) << c.stored;
  }
}

TEST_F(SessionDatabaseTest, SortingAlphabeticallyListsStoreOrderAndIgnoresPositions) {
  SessionDatabase sorted(1);
  for (char const* name : {"b", "a", "c"}) AddSession(name, sorted);
  ISessionConfig* session = CreateSessionConfig("d", nullptr);
  sorted.InsertSession("", "d", session, "a", false);
  session->Release();
  CStringList list;
  sorted.GetSessionList("", list);
  EXPECT_EQ(ListNames(list), (Names{"a", "b", "c", "d"}));
  // The user's order is kept all the same: appended, not placed before "a".
  EXPECT_EQ(Sessions(""), (Names{"b", "a", "c", "d"}));
}

TEST_F(SessionDatabaseTest, InsertingAtPositionsAndReordering) {
  for (char const* name : {"A", "B", "C"}) AddSession(name);
  ISessionConfig* session = CreateSessionConfig("X", nullptr);
  m_db.InsertSession("", "X", session, "A", true);
  m_db.InsertSession("", "Y", session, "A", false);
  m_db.InsertSession("", "Z", session, "missing", false);
  session->Release();
  EXPECT_EQ(Sessions(""), (Names{"Y", "A", "X", "B", "C", "Z"}));
  EXPECT_EQ(m_db.Reorder("Z", "Y", false), CString("Z"));
  EXPECT_EQ(Sessions(""), (Names{"Z", "Y", "A", "X", "B", "C"}));
  m_db.Reorder("A", "nowhere", true);
  EXPECT_EQ(ReadSz("Sessions\\__FolderData__", "Session List"), "Z:Y:X:B:C:");
  EXPECT_EQ(Sessions(""), (Names{"Z", "Y", "X", "B", "C", "A"}));
}

TEST_F(SessionDatabaseTest, NewFolderHasAnEmptyRecordAndNoTemporarySession) {
  m_db.InsertFolder("", "Lab", "", true);
  m_db.InsertFolder("Lab", "Routers", "", true);
  m_db.InsertFolder("", "Office", "Lab", false);
  EXPECT_FALSE(KeyExists("Sessions\\Lab\\Routers\\_@@TMP@@_"));
  EXPECT_EQ(ReadSz("Sessions\\Lab\\Routers\\__FolderData__", "Folder List"), "");
  EXPECT_EQ(ReadSz("Sessions\\Lab\\Routers\\__FolderData__", "Session List"), "");
  EXPECT_EQ(ReadSz("Sessions\\__FolderData__", "Folder List"), "Office:Lab:");
  EXPECT_TRUE(m_db.IsFolder("Lab\\Routers"));
  EXPECT_TRUE(m_db.HasChildren("Lab"));
  EXPECT_FALSE(m_db.HasChildren("Lab\\Routers"));
}

TEST_F(SessionDatabaseTest, CopiesGetUniqueNames) {
  for (char const* path : {"S", "S (1)", "S (2)", "F\\S", "F\\S (1)"}) AddSession(path);
  EXPECT_EQ(m_db.Copy("S", "F", true, "", true), CString("F\\S (2)"));
  EXPECT_EQ(m_db.Copy("S", "", true, "", true), CString("S (3)"));
  EXPECT_TRUE(SessionDatabase::Exists("S (3)"));
  EXPECT_EQ(m_db.GetUniqueSessionName("F\\S"), CString("F\\S (3)"));
  EXPECT_EQ(m_db.GetUniqueSessionName("T"), CString("T"));
  AddSession("T");
  EXPECT_EQ(m_db.GetUniqueSessionName("T"), CString("T (2)"));
}

TEST_F(SessionDatabaseTest, CopyingAFolderIntoItselfCopiesItsOldChildrenOnce) {
  m_db.InsertFolder("", "F", "", true);
  m_db.InsertFolder("F", "Sub", "", true);
  AddSession("F\\a");
  AddSession("F\\Sub\\b");
  EXPECT_EQ(m_db.Copy("F", "F", true, "", true), CString("F\\F"));
  EXPECT_EQ(Folders("F"), (Names{"Sub", "F"}));
  EXPECT_EQ(Folders("F\\F"), (Names{"Sub"}));
  EXPECT_EQ(Sessions("F\\F"), (Names{"a"}));
  EXPECT_EQ(Sessions("F\\F\\Sub"), (Names{"b"}));
  EXPECT_EQ(m_db.Copy("F", "", true, "", true), CString("F (1)"));
  EXPECT_EQ(Folders("F (1)"), (Names{"Sub", "F"}));
}

TEST_F(SessionDatabaseTest, RenameMovesTheEntryAfterThePosition) {
  for (char const* path : {"A", "B", "C"}) AddSession(path);
  m_db.InsertFolder("", "F", "", true);
  AddSession("F\\x");
  m_db.Rename("A", "Z", "C");
  EXPECT_EQ(Sessions(""), (Names{"B", "C", "Z"}));
  m_db.Rename("F", "G", "");
  EXPECT_EQ(Folders(""), (Names{"G"}));
  EXPECT_EQ(Sessions("G"), (Names{"x"}));
  EXPECT_FALSE(SessionDatabase::Exists("F"));
  ISessionConfig* renamed = m_db.Lookup("G\\x");
  ASSERT_TRUE(renamed);
  EXPECT_EQ(renamed->GetSessionName(), CString("x"));
  EXPECT_EQ(renamed->GetSessionPath(), CString("G\\x"));
  renamed->Release();
}

TEST_F(SessionDatabaseTest, RemoveDeletesTheSubtreeAndUpdatesTheParent) {
  m_db.InsertFolder("", "Lab", "", true);
  m_db.InsertFolder("", "Office", "", true);
  m_db.InsertFolder("Lab", "Deep", "", true);
  AddSession("Lab\\Deep\\s");
  EXPECT_TRUE(m_db.Remove("Lab"));
  EXPECT_FALSE(KeyExists("Sessions\\Lab"));
  EXPECT_EQ(ReadSz("Sessions\\__FolderData__", "Folder List"), "Office:");
  EXPECT_FALSE(m_db.Remove("Lab"));
  EXPECT_FALSE(m_db.Remove(""));
  AddSession("Office\\t");
  m_store.Factory().SetUndeletable("Sessions\\Office\\t");
  EXPECT_FALSE(m_db.Remove("Office\\t"));
  EXPECT_EQ(ReadSz("Sessions\\Office\\__FolderData__", "Session List"), "t:");
}

TEST_F(SessionDatabaseTest, DefaultSessionAndEmptiness) {
  EXPECT_FALSE(m_db.IsEmpty());
  EXPECT_EQ(m_db.Lookup("default"), nullptr);
  ISessionConfig* session = m_db.Lookup("Default");
  ASSERT_TRUE(session);
  EXPECT_EQ(session->GetSessionName(), CString("Default"));
  EXPECT_TRUE(m_db.IsEmpty());
  static_cast<SessionConfig*>(session)->titleBar = "changed";
  m_db.Save(session, false);
  EXPECT_NE(ReadSz("Sessions\\Default", "Title Bar"), "changed");
  m_db.Save(session, true);
  EXPECT_EQ(ReadSz("Sessions\\Default", "Title Bar"), "changed");
  session->Release();
  EXPECT_FALSE(m_db.HasChildren(""));
  m_db.InsertFolder("", "F", "", true);
  EXPECT_FALSE(m_db.IsEmpty());
  EXPECT_EQ(m_db.Lookup("F"), nullptr);
  EXPECT_EQ(m_db.Lookup("missing"), nullptr);
}

TEST_F(SessionDatabaseTest, SaveInsertsANewSessionUnderItsPath) {
  m_db.InsertFolder("", "F", "", true);
  ISessionConfig* session = CreateSessionConfig("n", nullptr);
  session->SetSessionPath("F\\n");
  static_cast<SessionConfig*>(session)->titleBar = "mine";
  m_db.Save(session, false);
  session->Release();
  EXPECT_EQ(Sessions("F"), (Names{"n"}));
  EXPECT_EQ(ReadSz("Sessions\\F\\n", "Title Bar"), "mine");
}

TEST_F(SessionDatabaseTest, ApplyDeltaChangesOnlyTheChangedOptionOfWritableSessions) {
  for (char const* path : {"a", "F\\b", "F\\locked"}) AddSession(path);
  WriteSz("Sessions\\F\\b", "Idle String", "keep");
  m_store.Factory().SetLocked("Sessions\\F\\locked");
  ISessionConfig* delta = m_db.Lookup("Default");
  delta->Checkpoint();
  static_cast<SessionConfig*>(delta)->titleBar = "new title";
  std::vector<int> updatedSoFar;
  GlobalChangeTally const tally =
      m_db.EnumAndApplyDelta(delta, [&](GlobalChangeTally const& sofar) { updatedSoFar.push_back(sofar.updated); });
  delta->Release();
  // Store order: a, Default, F\b, F\locked.
  EXPECT_EQ(updatedSoFar, (std::vector<int>{1, 2, 3, 3}));
  // The default session is one of the sessions walked.
  EXPECT_EQ(tally.visited, 4);
  EXPECT_EQ(tally.updated, 3);
  EXPECT_EQ(ReadSz("Sessions\\a", "Title Bar"), "new title");
  EXPECT_EQ(ReadSz("Sessions\\F\\b", "Title Bar"), "new title");
  EXPECT_EQ(ReadSz("Sessions\\F\\b", "Idle String"), "keep");
  EXPECT_EQ(ReadSz("Sessions\\F\\locked", "Title Bar"), "");
  EXPECT_EQ(m_db.EnumAndApplyDelta(nullptr).visited, 0);
}

TEST_F(SessionDatabaseTest, WalksVisitEverySessionAndSkipTheRecords) {
  for (char const* path : {"a", "F\\b", "F\\G\\c"}) AddSession(path);
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
  struct Case {
    char const* terminal;
    char const* transfer;
    bool forTerminalHost;
    bool forTransferHost;
  };
  std::vector<Case> const cases{
      {"SSH2", "SFTP", true, true},  {"ssh2", "None", true, false},      {"None", "FTP", false, true},
      {"Bogus", "Bogus", false, false}, {nullptr, nullptr, false, false},
  };
  int n = 0;
  for (Case const& c : cases) {
    std::string const name = "s" + std::to_string(n++);
    MarkSession(("Sessions\\" + name).c_str());
    if (c.terminal) WriteSz(("Sessions\\" + name).c_str(), "Protocol Name", c.terminal);
    if (c.transfer) WriteSz(("Sessions\\" + name).c_str(), "Transfer Protocol Name", c.transfer);
    EXPECT_EQ(m_db.HasMatchingProtocol(3, name), c.forTerminalHost) << name;
    EXPECT_EQ(m_db.HasMatchingProtocol(6, name), c.forTransferHost) << name;
  }
}

}  // namespace
