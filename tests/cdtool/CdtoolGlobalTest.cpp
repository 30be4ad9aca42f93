// Runs `cdtool global` against a temporary root: typed writes, refusals and the reset question.
#include <gtest/gtest.h>

#include <string>

#include "support/CdtoolRunner.h"

namespace {

using CdtoolGlobalTest = CdtoolTest;

TEST_F(CdtoolGlobalTest, SetIsTypedByTheOptionsKind) {
  struct Case {
    std::string product;
    std::string name;
    std::string value;
    int exitCode;
    std::string json;  // of `get --json` afterwards, when the set succeeded
  };
  Case const cases[] = {
      {"halokorvo", "'Max Columns'", "200", 0, R"({"name":"Max Columns","type":"number","value":200})"},
      {"halokorvo", "'max columns'", "80", 0, R"({"name":"Max Columns","type":"number","value":132})"},
      {"halokorvo", "'Log Error Text Color'", "0xFFFFFFFF", 0,
       R"({"name":"Log Error Text Color","type":"number","value":-1})"},
      {"halokorvo", "'Open Sessions In Tab'", "yes", 0, R"({"name":"Open Sessions In Tab","type":"flag","value":true})"},
      {"halokorvo", "'Printer Name'", "'Lab \"A\"'", 0, R"({"name":"Printer Name","type":"text","value":"Lab \"A\""})"},
      {"halofyx", "'Show Toolbar HFYX'", "0", 0, R"({"name":"Show Toolbar HFYX","type":"number","value":0})"},
      {"halokorvo", "'printer baud rate'", "9600", 0, R"({"name":"Printer Baud Rate","type":"number","value":9600})"},
      {"halokorvo", "'Printer CTS Flow'", "off", 0, R"({"name":"Printer CTS Flow","type":"flag","value":false})"},
      {"halokorvo", "'Max Columns'", "12x", 1, ""},
      {"halokorvo", "'Max Columns'", "4294967296", 1, ""},
      {"halokorvo", "'Open Sessions In Tab'", "maybe", 1, ""},
      {"halokorvo", "'Page Margins'", "00ff", 1, ""},
      {"halokorvo", "'Color Schemes'", "x", 1, ""},
      {"halokorvo", "'Show Toolbar HFYX'", "0", 1, ""},
      {"halokorvo", "Nonsense", "1", 1, ""},
  };
  for (Case const& c : cases) {
    std::string const prefix = "--product " + c.product + " global ";
    CdtoolResult const set = Run(prefix + "set " + c.name + " " + c.value);
    EXPECT_EQ(c.exitCode, set.exitCode) << c.name << " " << c.value << ": " << set.err;
    if (c.exitCode != 0) {
      EXPECT_EQ(0u, set.err.find("cdtool: ")) << set.err;
      continue;
    }
    CdtoolResult const get = Run(prefix + "get " + c.name + " --json");
    EXPECT_EQ(c.json + "\n", get.out) << get.err;
  }
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
