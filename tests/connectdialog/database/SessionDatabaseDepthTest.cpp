// Session trees that an older build let grow deeper than the registry now allows: every walk
// over them finishes, on the real hive files.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "VRegistryStoreFactory.h"
#include "database/SessionDatabase.h"
#include "platform/registry/Registry.h"
#include "session/SessionConfig.h"
#include "support/DeepKeyChain.h"
#include "support/ScopedRoot.h"

namespace {

VProfileStoreFactory* installed = nullptr;
VProfileStoreFactory* Installed() { return installed; }

constexpr int kLevels = 100000;

struct Visited {
  std::vector<std::string> names;
  size_t longestPath = 0;
};

void Record(VProfileKey&, char const* path, char const* name, void* context) {
  auto& visited = *static_cast<Visited*>(context);
  visited.names.push_back(name);
  visited.longestPath = std::max(visited.longestPath, std::string(path).size());
}

class SessionDatabaseDepthTest : public testing::Test {
 protected:
  void SetUp() override {
    installed = &m_factory;
    m_previous = GetProfileStoreFactoryGetter();
    SetProfileStoreFactoryGetter(&Installed);
    ISessionConfig* session = CreateSessionConfig("top", nullptr);
    m_db.InsertSession("", "top", session, "", true);
    session->Release();
    m_db.InsertFolder("", "deep", "", true);
    ASSERT_EQ(ERROR_SUCCESS, RegUnloadHives());
    ASSERT_TRUE(AddDeepKeyChain(m_root.File("user/registry.db"), {"software", "brimvale", "deep", "sessions", "deep"},
                                kLevels, "f", true));
  }
  void TearDown() override { SetProfileStoreFactoryGetter(m_previous); }

  ScopedRoot m_root;
  VRegistryStoreFactory m_factory{HKEY_CURRENT_USER, "Software\\Brimvale\\Deep"};
  VProfileStoreFactoryGetter m_previous = nullptr;
  SessionDatabase m_db{0};
};

TEST_F(SessionDatabaseDepthTest, EveryWalkFinishesOnATreeDeeperThanTheLimit) {
  // Made first: the default session it stands for may be stored on the way.
  ISessionConfig* delta = CreateSessionConfig("Default", nullptr);
  ASSERT_NE(nullptr, delta);
  delta->Checkpoint();
  static_cast<SessionConfig*>(delta)->titleBar = "applied";

  // "deep" and every level below it are folders; the last level is the session "f".
  size_t const bottomPathLength = 4 + 2 * kLevels;
  Visited all;
  SessionDatabase::EnumAllSessions(&Record, &all);
  ASSERT_FALSE(all.names.empty());
  EXPECT_EQ("f", all.names.front());
  EXPECT_EQ("top", all.names.back());
  EXPECT_EQ(bottomPathLength, all.longestPath) << "the path of the deepest session is whole";

  m_db.EnumAndSetAllBoolValues("Flag", true);
  Visited flagged;
  SessionDatabase::EnumAllSessions(
      [](VProfileKey& key, char const*, char const* name, void* context) {
        unsigned long flag = 0;
        if (key.GetDword("Flag", flag) && flag == 1) static_cast<Visited*>(context)->names.push_back(name);
      },
      &flagged);
  EXPECT_EQ(all.names, flagged.names);

  GlobalChangeTally const tally = m_db.EnumAndApplyDelta(delta);
  delta->Release();
  EXPECT_EQ(static_cast<int>(all.names.size()), tally.visited);
  EXPECT_EQ(tally.visited, tally.updated);

  EXPECT_TRUE(m_db.Remove("deep"));
  EXPECT_FALSE(SessionDatabase::Exists("deep"));
  Visited left;
  SessionDatabase::EnumAllSessions(&Record, &left);
  all.names.erase(all.names.begin());
  EXPECT_EQ(all.names, left.names);
}

}  // namespace
