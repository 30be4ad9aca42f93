// Moves and renames on the real hive files: the source goes only once its copy is stored.
#include <gtest/gtest.h>

#include <string>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "database/SessionDatabase.h"
#include "platform/registry/Registry.h"
#include "session/SessionConfig.h"
#include "support/InstalledRegistryStore.h"
#include "support/ScopedRoot.h"

namespace {

class SessionDatabaseMoveTest : public testing::Test {
 protected:

  // A session at folder\name whose title bar is `title`.
  void AddSession(std::string const& folder, std::string const& name, char const* title) {
    ISessionConfig* session = CreateSessionConfig(name.c_str(), nullptr);
    static_cast<SessionConfig*>(session)->titleBar = title;
    ASSERT_TRUE(m_db.InsertSession(folder, name, session, "", true));
    session->Release();
  }
  static std::string Title(std::string const& path) {
    VProfileStore store(true, nullptr);
    if (!store.Root()->KeyExists(("Sessions\\" + path).c_str())) return "<missing>";
    VProfileKey key(store.Root(), ("Sessions\\" + path).c_str());
    VString title;
    return key.GetSz("Title Bar", title) ? title.Str() : "<no title>";
  }
  // The names below `folder` as stored: the real spelling, not the asked one.
  std::string StoredNames(std::string const& folder) {
    CStringList folders;
    CStringList sessions;
    m_db.GetFolderList(folder.c_str(), folders);
    m_db.GetSessionList(folder.c_str(), sessions);
    std::string names;
    for (CStringList* list : {&folders, &sessions})
      for (POSITION p = list->GetHeadPosition(); p;) names += list->GetNext(p).Str() + ":";
    return names;
  }

  ScopedRoot m_root;
  InstalledRegistryStore m_store{"SOFTWARE\\Brimvale\\Moves"};
  SessionDatabase m_db{0};
};

TEST_F(SessionDatabaseMoveTest, RefusedRenamesAndMovesKeepTheSource) {
  std::string const longest(SessionDatabase::kMaxNameBytes, 'n');
  ASSERT_TRUE(m_db.InsertFolder("", "F", "", true));
  AddSession("", "S1", "one");
  AddSession("", "S2", "two");
  AddSession("F", "inner", "in");
  EXPECT_FALSE(m_db.InsertFolder("", longest + "n", "", true));
  EXPECT_FALSE(m_db.Rename("S1", longest + "n", "S1"));
  EXPECT_FALSE(m_db.Rename("S1", "s2", "S1")) << "another entry's name";
  EXPECT_FALSE(m_db.Move("S1", "", "", true)) << "its own folder";
  EXPECT_FALSE(m_db.Move("F", "f", "", true)) << "into itself";
  EXPECT_EQ(StoredNames(""), "F:S1:S2:");
  EXPECT_EQ(StoredNames("F"), "inner:");
  EXPECT_EQ(Title("S1"), "one");
  EXPECT_EQ(Title("S2"), "two");
  EXPECT_EQ(Title("F\\inner"), "in");
}

TEST_F(SessionDatabaseMoveTest, ACaseOnlyRenameOfTheLongestNameKeepsEverything) {
  std::string const lower(SessionDatabase::kMaxNameBytes, 'a');
  std::string const upper(SessionDatabase::kMaxNameBytes, 'A');
  AddSession("", lower, "kept");
  ASSERT_TRUE(m_db.InsertFolder("", "Lab", "", true));
  AddSession("Lab", "x", "inside");
  AddSession("", "z", "last");
  EXPECT_TRUE(m_db.Rename(lower.c_str(), upper.c_str(), lower.c_str()));
  EXPECT_TRUE(m_db.Rename("Lab", "LAB", "Lab"));
  EXPECT_EQ(StoredNames(""), "LAB:" + upper + ":z:");
  EXPECT_EQ(Title(upper), "kept");
  EXPECT_EQ(Title("LAB\\x"), "inside");
  EXPECT_TRUE(m_db.Move(upper.c_str(), "LAB", "", true));
  EXPECT_EQ(StoredNames("LAB"), "x:" + upper + ":");
  EXPECT_EQ(Title("LAB\\" + upper), "kept");
}

}  // namespace
