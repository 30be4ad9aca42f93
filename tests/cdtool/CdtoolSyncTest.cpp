// cdtool sync show against a synchronisation profile written value by value into the store.
#include <gtest/gtest.h>

#include <string>

#include "support/CdtoolRunner.h"

namespace {

class CdtoolSyncTest : public CdtoolTest {
 protected:
  void Set(std::string const& name, std::string const& data) {
    std::string const key = "'FILE:" + m_root.File("user/HaloFyx/config.db") + "\\QuickSync'";
    ASSERT_EQ(Run("reg set " + key + " '" + name + "' " + data).exitCode, 0) << name;
  }
};

TEST_F(CdtoolSyncTest, ShowsTheStoredTasks) {
  EXPECT_EQ(Run("--product halofyx sync show --json").out, "{\"tasks\":[]}\n");

  Set("Task[0].Name", "--sz Docs");
  Set("Task[0].Type", "--dword 4294967295");
  Set("Task[0].Source[0].Session", "--sz ''");
  Set("Task[0].Source[0].Path", "--sz /home/docs");
  Set("Task[0].Source[0].Recurse", "--dword 0");
  Set("Task[0].Target[0].Session", "--sz Backup");
  Set("Task[0].Target[0].Path", "--sz 'C:\\docs'");
  // Without a target the second task is not loaded.
  Set("Task[1].Name", "--sz Half");
  Set("Task[1].Type", "--dword 1");
  Set("Task[1].Source[0].Session", "--sz x");

  EXPECT_EQ(Run("--product halofyx sync show --json").out,
            R"({"tasks":[{"name":"Docs","type":-1,"sources":[{"session":"","path":"/home/docs","recurse":false}],)"
            R"("targets":[{"session":"Backup","path":"C:\\docs"}]}]})"
            "\n");
  EXPECT_EQ(Run("--product halofyx sync show").out,
            "Docs (type -1)\n  from session \"\"  path \"/home/docs\"\n  to   session \"Backup\"  path \"C:\\docs\"\n");
}

}  // namespace
