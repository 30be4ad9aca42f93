#include "transfer/SynchronizeProfile.h"

#include <gtest/gtest.h>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "support/CaseFile.h"
#include "support/InstalledMemoryStore.h"
#include "support/Joined.h"
#include "support/KeyDump.h"

namespace {

SynchronizeTask Task(char const* name, int32_t type, std::vector<SynchronizeSource> sources,
                     std::vector<SynchronizeTarget> targets) {
  return SynchronizeTask{name, type, std::move(sources), std::move(targets)};
}

SynchronizeProfile TwoTasks() {
  SynchronizeProfile profile;
  profile.tasks = {
      Task("Docs", 2, {{"Home", "/a", true}, {"", "C:\\b", false}}, {{"Backup", "/c"}}),
      Task("Two", -1, {{"S", "p", true}}, {{"T1", "q1"}, {"T2", "q2"}}),
  };
  return profile;
}

class SynchronizeProfileTest : public ::testing::Test {
 protected:
  // The names of the values of "QuickSync", in the store's order.
  std::vector<std::string> Stored() {
    VProfileStore store;
    VProfileKey key(store.Root(), "QuickSync");
    return KeyNames(&key, true);
  }
  InstalledMemoryStore m_store;
};

TEST_F(SynchronizeProfileTest, SavesEveryTaskFlatInOrder) {
  SynchronizeProfile profile = TwoTasks();
  profile.hostValues = {4, 5};
  profile.Save(nullptr, false);
  {
    VProfileStore store;
    VProfileKey key(store.Root(), "QuickSync");
    ExpectGolden("synchronize_profile.txt", DumpKey(&key));
  }
  SynchronizeProfile loaded;
  EXPECT_TRUE(loaded.Load(nullptr, "QuickSync"));
  EXPECT_EQ(loaded.tasks, profile.tasks);
  EXPECT_EQ(loaded.hostValues, (std::array<int, 2>{-1, -1}));
}

TEST_F(SynchronizeProfileTest, SavingRewritesTheKeyWhole) {
  SynchronizeProfile eleven;
  for (int i = 0; i < 11; ++i) eleven.tasks.push_back(Task("t", i, {{"s", "p", true}}, {{"s", "q"}}));
  eleven.Save(nullptr, false);
  std::vector<std::string> const stored = Stored();
  ASSERT_EQ(stored.size(), 11u * 7);
  EXPECT_EQ(stored[70], "Task[10].Name");
  SynchronizeProfile two = TwoTasks();
  two.Save(nullptr, false);
  std::vector<std::string> const after = Stored();
  EXPECT_EQ(after.size(), 19u);
  for (std::string const& value : after)
    EXPECT_TRUE(value.starts_with("Task[0]") || value.starts_with("Task[1]")) << value;
}

TEST_F(SynchronizeProfileTest, LoadingStopsAtTheFirstIncompleteTask) {
  ExpectCaseFile("connectdialog/sync_load_stops.txt", [](std::string const& line) {
    InstalledMemoryStore fresh;
    TwoTasks().Save(nullptr, false);
    {
      VProfileStore store;
      VProfileKey key(store.Root(), "QuickSync");
      std::string const name = line.substr(line.find(' ') + 1);
      line.starts_with("text ") ? key.SetSz(name.c_str(), "2") : key.DeleteValue(name.c_str());
    }
    SynchronizeProfile profile = TwoTasks();
    bool const loaded = profile.Load(nullptr, "QuickSync");
    return Joined(loaded, profile.tasks.size(), profile.tasks.empty() ? 0 : profile.tasks[0].sources.size());
  });
}

TEST_F(SynchronizeProfileTest, TakesPartInTheValueProtocolAsAWhole) {
  SynchronizeProfile profile = TwoTasks();
  EXPECT_TRUE(profile.IsModified());
  profile.Rollback();
  EXPECT_EQ(profile.tasks.size(), 2u);
  profile.Checkpoint();
  EXPECT_FALSE(profile.IsModified());
  profile.hostValues[1] = 0;
  EXPECT_TRUE(profile.IsModified());
  profile.Rollback();
  EXPECT_FALSE(profile.IsModified());
  SynchronizeProfile other;
  other.tasks = {Task("Only", 7, {{"a", "b", false}}, {{"c", "d"}})};
  other.Checkpoint();
  profile.ApplyDelta(&other);
  EXPECT_EQ(profile.tasks, other.tasks);
  // Both held a checkpoint, so the other's came along with its tasks.
  EXPECT_FALSE(profile.IsModified());
  SynchronizeProfile const empty;
  profile = empty;
  EXPECT_EQ(Joined(profile.tasks.size(), profile.IsModified()), "0|1");
  profile.Rollback();
  EXPECT_EQ(profile.tasks, other.tasks);
}

}  // namespace
