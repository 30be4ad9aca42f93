// cdtool logname: the expansion of a pattern, in the zone the test sets.
#include <gtest/gtest.h>

#include <regex>

#include "support/CdtoolRunner.h"
#include "support/ScopedTimeZone.h"

namespace {

using CdtoolLognameTest = CdtoolTest;

TEST_F(CdtoolLognameTest, PrintsTheExpansionOrRefusesBadArguments) {
  ScopedTimeZone zone("UTC0");
  ExpectSteps({
      {"logname '%H_%Y%M%D.log' --host fe80::1 --time 1709384709", 0, "fe80__1_20240302.log\n"},
      {"logname '%S %h:%m:%s %H.' --session 'a b' --time 1709384709", 0, "a b 13:05:09 .\n"},
      {"logname '%Y-%M-%D %h:%m:%s' --time 253402300799", 0, "9999-12-31 23:59:59\n"},
      {"logname '%Y' --time 253402300800", 2, ""},
      {"logname '%Y' --time soon", 2, ""},
      {"logname", 2, ""},
  });
  EXPECT_TRUE(std::regex_match(Run("logname '%Y%%'").out, std::regex("[0-9]{4}%\n")));
}

}  // namespace
