// Runs `cdtool dialog global-options` against a temporary root: OK saves the global options,
// Cancel saves nothing, a refused page keeps the dialog open with its message.
#include <gtest/gtest.h>

#include <string>

#include "support/CdtoolRunner.h"

namespace {

using CdtoolGlobalOptionsTest = CdtoolTest;

TEST_F(CdtoolGlobalOptionsTest, OkSavesTheOptionsAndCancelSavesNothing) {
  struct Case {
    char const* name;
    char const* steps;
    char const* answers;
    std::string shown;   // a part of the output
    char const* stored;  // "Max Columns" afterwards
  };
  for (Case const& c : {
           Case{"cancelled", R"({"do":"set","control":11353,"value":"500"},{"do":"cancel"})", "",
                R"({"endCode":2,"messages":[],"title":"Global Options","pages":[)", "132\n"},
           Case{"refused, then cancelled", R"({"do":"set","control":11353,"value":"100"},{"do":"ok"})", "",
                R"({"endCode":2,"messages":[{"text":"Please enter an integer between 132 and 1024.","type":)",
                "132\n"},
           Case{"accepted", R"({"do":"set","control":11353,"value":"100"},{"do":"ok"},)"
                            R"({"do":"set","control":11353,"value":"240"},{"do":"ok"})",
                "", R"("current":"Appearance")", "240\n"},
           Case{"the start page by caption", R"({"do":"select","page":"FTP"},{"do":"ok"})", "",
                R"("error":"no page \"FTP\" in the tree")", "240\n"},
       }) {
    CdtoolResult const result = RunScript("dialog global-options --start 'Global Appearance' --json",
                                          std::string(R"({"answers":[)") + c.answers + R"(],"steps":[)" + c.steps + "]}");
    EXPECT_NE(result.out.find(c.shown), std::string::npos) << c.name << "\n" << result.out << result.err;
    EXPECT_EQ(Run("global get 'Max Columns'").out, c.stored) << c.name;
  }
}

// The default session's Session Options, opened from its page, maps keys as a stored session's does.
TEST_F(CdtoolGlobalOptionsTest, TheDefaultSessionsKeysAreMappedThroughItsSessionOptions) {
  CdtoolResult const result = RunScript(
      "dialog global-options --json",
      R"({"answers":["IDNO"],"steps":[{"do":"select","page":"Default Session"},{"do":"command","id":1341},)"
      R"({"do":"expand","page":"Emulation"},{"do":"select","page":"Mapped Keys"},)"
      R"({"do":"key-button","scan":30},{"do":"category","name":"Menu Function"},)"
      R"({"do":"function","name":"MENU_COPY"},{"do":"ok"},{"do":"ok"},{"do":"ok"}]})");
  EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
  EXPECT_NE(Run("session show Default").out.find("\nKeymap\tbytes\t00000001" "00000041" "4d454e555f434f505900" "00\n"),
            std::string::npos);
}

TEST_F(CdtoolGlobalOptionsTest, TheTransferClientsTreeAndItsFtpRule) {
  CdtoolResult const result =
      RunScript("--product halofyx dialog global-options --json",
                R"({"steps":[{"do":"select","page":"FTP"},{"do":"set","control":1081,"value":"true"},)"
                R"({"do":"set","control":1082,"value":"1023"},{"do":"ok"},{"do":"set","control":1082,"value":"2048"},{"do":"ok"}]})");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  ExpectParts(result, {R"("messages":[{"text":"Please enter a buffer size between 1024 and 65536.")", R"("saved":true)"});
  for (char const* label : {"General", "Default Session", "File Transfer", "Options", "Advanced", "View", "FTP", "Sound",
                            "File Types", "Firewall"})
    ExpectParts(result, {std::string(R"({"label":")") + label + "\""});
  EXPECT_EQ(result.out.find(R"({"label":"Terminal")"), std::string::npos);
  EXPECT_EQ(Run("--product halofyx global get 'Receive Buffer Size'").out, "2048\n");
}

}  // namespace
