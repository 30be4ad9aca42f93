// Runs `cdtool global` against a temporary root: typed writes, refusals and the reset question.
#include <gtest/gtest.h>

#include <string>

#include "support/CdtoolRunner.h"

namespace {

using CdtoolGlobalTest = CdtoolTest;

// Forms and refusals are in CdtoolOptionInputTest; here what only the global options have:
// per-product names and values that loading clamps into range.
TEST_F(CdtoolGlobalTest, SetReachesTheProductsNamesAndReadsBackInRange) {
  ExpectSteps({
      {"global set 'Max Columns' 200", 0, ""},
      {"global get 'max columns' --json", 0, R"({"name":"Max Columns","type":"number","value":200})" "\n"},
      {"global set 'max columns' 80", 0, ""},
      {"global get 'Max Columns'", 0, "132\n"},
      {"--product halofyx global set 'Show Toolbar HFYX' 0", 0, ""},
      {"--product halofyx global get 'Show Toolbar HFYX'", 0, "0\n"},
      {"global set 'Show Toolbar HFYX' 0", 1, "", "cdtool: no option named \"Show Toolbar HFYX\"\n"},
  });
}

TEST_F(CdtoolGlobalTest, ShowListsEveryOptionAndResetAsksFirst) {
  ASSERT_EQ(0, Run("global set Timeout 30").exitCode);
  CdtoolResult const show = Run("global show");
  EXPECT_NE(std::string::npos, show.out.find("\nTimeout\tnumber\t30\n"));
  EXPECT_NE(std::string::npos, show.out.find("\nVersion\ttext\t7B2F2717-85C8-4729-8394-3B7697039CEB\n"));
  EXPECT_NE(std::string::npos, show.out.find("\nConfig Path\ttext\t\n"));

  CdtoolResult const declined = Run("global reset", "n\n");
  EXPECT_EQ(1, declined.exitCode);
  EXPECT_NE(std::string::npos, declined.err.find("[y/N]")) << declined.err;
  EXPECT_EQ("30\n", Run("global get Timeout").out);
  EXPECT_EQ(1, Run("global reset").exitCode) << "no answer takes the default, No";

  EXPECT_EQ(0, Run("global reset", "y\n").exitCode);
  EXPECT_EQ("180\n", Run("global get Timeout").out);
  ASSERT_EQ(0, Run("global set Timeout 30").exitCode);
  EXPECT_EQ(0, Run("global reset --yes").exitCode);
  EXPECT_EQ("180\n", Run("global get Timeout").out);
}

}  // namespace
