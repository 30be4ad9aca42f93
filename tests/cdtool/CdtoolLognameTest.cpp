// cdtool logname: the expansion of a pattern, in the zone the test sets.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "support/CdtoolRunner.h"
#include "support/ScopedRoot.h"
#include "support/ScopedTimeZone.h"

namespace {

TEST(CdtoolLognameTest, PrintsTheExpansionOrRefusesBadArguments) {
  ScopedRoot root;
  ScopedTimeZone zone("UTC0");
  CdtoolRunner const cdtool(root);
  struct Case {
    std::string arguments;
    int exitCode;
    std::string out;
  };
  Case const cases[] = {
      {"logname '%H_%Y%M%D.log' --host fe80::1 --time 1709384709", 0, "fe80__1_20240302.log\n"},
      {"logname '%S %h:%m:%s %H.' --session 'a b' --time 1709384709", 0, "a b 13:05:09 .\n"},
      {"logname '%Y-%M-%D %h:%m:%s' --time 253402300799", 0, "9999-12-31 23:59:59\n"},
      {"logname '%Y' --time 253402300800", 2, ""},
      {"logname '%Y' --time soon", 2, ""},
      {"logname", 2, ""},
  };
  for (Case const& c : cases) {
    CdtoolResult const result = cdtool.Run(c.arguments);
    EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments << "\n" << result.err;
    EXPECT_EQ(result.out, c.out) << c.arguments;
  }
  EXPECT_TRUE(std::regex_match(cdtool.Run("logname '%Y%%'").out, std::regex("[0-9]{4}%\n")));
}

}  // namespace
