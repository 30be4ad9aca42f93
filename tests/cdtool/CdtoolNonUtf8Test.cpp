// Names that are not UTF-8 reach every output of the tool, plain and JSON, without a crash:
// JSON shows such bytes as U+FFFD, as the registry verbs always did; plain text keeps them.
#include <gtest/gtest.h>

#include <string>

#include "support/CdtoolRunner.h"

namespace {

using CdtoolNonUtf8Test = CdtoolTest;

std::string const kBad = "Bad\xFFName";
std::string const kShown = "Bad\xEF\xBF\xBDName";

TEST_F(CdtoolNonUtf8Test, StoredNamesThatAreNotUtf8NeverStopAnOutput) {
  ASSERT_EQ(Run("schemes add '" + kBad + "' --fg 000000 --bg FFFFFF").exitCode, 0);
  ASSERT_EQ(Run("firewall add '" + kBad + "' --type SOCKSv4 --host proxy --port 1080").exitCode, 0);
  ASSERT_EQ(Run("session mkdir '" + kBad + "'").exitCode, 0);
  struct Case {
    std::string arguments;
    std::string shows;  // what the output must hold
  };
  Case const cases[] = {
      {"global show", kBad},
      {"global show --json", kShown},
      {"global get 'Color Schemes'", kBad},
      {"global get 'Color Schemes' --json", kShown},
      {"schemes list", kBad},
      {"firewall ls", kBad},
      {"firewall ls --json", kShown},
      {"firewall show '" + kBad + "'", kBad},
      {"firewall show '" + kBad + "' --json", kShown},
      {"session ls", kBad},
      {"session ls --json", kShown},
      {"session ls --tree --json", kShown},
  };
  for (Case const& c : cases) {
    CdtoolResult const result = Run(c.arguments);
    EXPECT_EQ(result.exitCode, 0) << c.arguments << "\n" << result.err;
    EXPECT_NE(result.out.find(c.shows), std::string::npos) << c.arguments << "\n" << result.out;
  }
}

}  // namespace
