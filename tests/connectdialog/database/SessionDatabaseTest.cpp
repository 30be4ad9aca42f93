#include "database/SessionDatabase.h"

#include <gtest/gtest.h>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "support/InstalledMemoryStore.h"
#include "support/Joined.h"
#include "support/SessionTree.h"

namespace {

using Names = std::vector<std::string>;

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
  struct Case { char const* stored; Names children, arranged; char const* rewritten; };
  // After the first five: a record in step with the children, then names it should not hold.
  Case const cases[] = {
      {"B:A:", {"A", "B", "Gamma"}, {"B", "A", "Gamma"}, "B:A:Gamma:"}, {"A:Gone:", {"A"}, {"A"}, "A:"},
      {"A:B", {"A", "B"}, {"A", "B"}, "A:B:"},         {"", {"B", "A"}, {"A", "B"}, "A:B:"},
      {"B:A:", {"A", "B"}, {"B", "A"}, "B:A:"},         {"A:B:A:", {"A", "B"}, {"A", "B"}, "A:B:"},
      {"A:A:B:", {"A", "B"}, {"A", "B"}, "A:B:"},       {"A:B:Gone:", {"A", "B"}, {"A", "B"}, "A:B:"},
      {"A:B:", {"A", "B", "C"}, {"A", "B", "C"}, "A:B:C:"}, {"A:C:B:", {"A", "B", "C"}, {"A", "C", "B"}, "A:C:B:"},
      {"A:B:C", {"A", "B", "C"}, {"A", "B", "C"}, "A:B:C:"},
  };
  int n = 0;
  for (Case const& c : cases) {
    SCOPED_TRACE(c.stored);
    std::string const folder = "F" + std::to_string(n++);
    for (std::string const& child : c.children) MarkSession(folder + "\\" + child);
    WriteSz(folder + "\\__FolderData__", "Session List", c.stored);
    EXPECT_EQ(Sessions(folder), c.arranged);
    EXPECT_EQ(ReadSz(folder + "\\__FolderData__", "Session List"), c.rewritten);
  }
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
  struct Case { char const* terminal; char const* transfer; bool forTerminalHost, forTransferHost; };
  Case const cases[] = {{"SSH2", "SFTP", true, true}, {"ssh2", "None", true, false}, {"None", "FTP", false, true},
                        {"Bogus", "Bogus", false, false}, {nullptr, nullptr, false, false}};
  int n = 0;
  for (Case const& c : cases) {
    std::string const name = "s" + std::to_string(n++);
    MarkSession(name);
    if (c.terminal) WriteSz(name, "Protocol Name", c.terminal);
    if (c.transfer) WriteSz(name, "Transfer Protocol Name", c.transfer);
    EXPECT_EQ(Joined(m_db.HasMatchingProtocol(3, name), m_db.HasMatchingProtocol(6, name)),
              Joined(c.forTerminalHost, c.forTransferHost)) << name;
  }
}

}  // namespace
