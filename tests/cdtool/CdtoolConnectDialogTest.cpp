#include <gtest/gtest.h>

#include <string>

#include "support/CdtoolRunner.h"

namespace {

class CdtoolConnectDialogTest : public CdtoolTest {
 protected:
  CdtoolConnectDialogTest() {
    ExpectSteps({{"session mkdir Lab", 0, ""},
                 {"session mkdir Zeta", 0, ""},
                 {"session new 'Lab\\core 1' --protocol ssh2 --host 10.0.0.1", 0, ""}});
  }
  CdtoolResult Dialog(std::string const& arguments, std::string const& script) {
    return RunScript("dialog connect --json --no-launch " + arguments, script);
  }
};

TEST_F(CdtoolConnectDialogTest, RenamesCopiesAndPastesIntoTheStore) {
  CdtoolResult const result = Dialog("", R"({"steps":[
      {"do":"select","path":"Lab"},{"do":"key","keys":"F2"},{"do":"endLabelEdit","text":"lab"},
      {"do":"command","id":2004},{"do":"select","path":"Zeta"},{"do":"command","id":2005},{"do":"close"}]})");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  ExpectParts(result,
              {R"("endCode":2,"messages":[],"tree":[{"path":"","kind":"folder","label":"Sessions","cut":false,"expanded":true},)",
               R"({"path":"Zeta\\lab","kind":"folder","label":"lab","cut":false,"expanded":false}],"selected":"Zeta\\lab",)",
               R"("2005":{"enabled":true},)", R"("2111":{"enabled":true,"checked":false},)",
               R"("result":{"name":"","path":""},"launched":[],"clipboard":")"});
  // The record: a handle, then "lab" at offset 4, its parent "" at 264, copied.
  size_t const hex = result.out.find(R"("clipboard":")") + 13;
  EXPECT_EQ(result.out.substr(hex + 8, 8), "6c616200");
  EXPECT_EQ(result.out.substr(hex + 2 * 524, 8 + 1), "00000000\"");
  CdtoolResult const listed = Run("session ls Zeta");
  EXPECT_NE(listed.out.find("lab\\"), std::string::npos) << listed.out;
}

TEST_F(CdtoolConnectDialogTest, BrowseModeAndTheFilter) {
  CdtoolResult const browsed = Dialog("--browse 'Lab\\core 1'", R"({"steps":[{"do":"select","path":"Lab"},{"do":"ok"}]})");
  ASSERT_EQ(browsed.exitCode, 0) << browsed.err;
  ExpectParts(browsed, {R"("endCode":1,)", R"("result":{"name":"Lab","path":"Lab"})"});
  EXPECT_EQ(browsed.out.find(R"("2000")"), std::string::npos) << "no Connect button in browse mode";

  CdtoolResult const filtered = Dialog("", R"({"steps":[{"do":"filter","text":"10.0.0"}]})");
  ASSERT_EQ(filtered.exitCode, 0) << filtered.err;
  ExpectParts(filtered, {R"("label":"Lab","cut":false,"expanded":true},{"path":"Lab\\core 1","kind":"session")"});
  EXPECT_EQ(filtered.out.find(R"("Zeta")"), std::string::npos) << filtered.out;

  CdtoolResult const refused = Dialog("", R"({"steps":[{"do":"select","path":"Nowhere"}]})");
  EXPECT_EQ(refused.exitCode, 1);
  ExpectParts(refused, {R"({"error":"no item \"Nowhere\" is shown in the tree","step":0})"});
}

TEST_F(CdtoolConnectDialogTest, DropsMoveAndCopyByTheKeys) {
  CdtoolResult const moved = Dialog("", R"({"steps":[{"do":"expand","path":"Lab"},
      {"do":"drop","source":"Lab\\core 1","target":"Zeta","zone":"on","keys":"none"},
      {"do":"drop","source":"Zeta","target":"Lab","zone":"before","keys":"ctrl+shift"},
      {"do":"drop","source":"Zeta\\core 1","target":"Lab","zone":"on","keys":"ctrl"}]})");
  ASSERT_EQ(moved.exitCode, 0) << moved.err;
  ExpectParts(moved, {R"("selected":"Lab\\core 1")"});
  EXPECT_EQ(Run("session ls Zeta").out, Run("session ls Lab").out) << "moved to Zeta, copied back to Lab";
  EXPECT_NE(Run("session ls Zeta").out.find("core 1"), std::string::npos);
  CdtoolResult const listed = Run("session ls");
  EXPECT_LT(listed.out.find("Lab"), listed.out.find("Zeta")) << "ctrl+shift refused the drop: " << listed.out;

  CdtoolResult const refused = Dialog("", R"({"steps":[{"do":"drop","source":"Lab","target":"Zeta","zone":"under"}]})");
  EXPECT_EQ(refused.exitCode, 1);
  ExpectParts(refused, {R"(zone is \"before\", \"on\" or \"after\", not \"under\")"});
}

TEST_F(CdtoolConnectDialogTest, EnterConnectsTheFirstMatch) {
  CdtoolResult const here = Dialog("", R"({"steps":[{"do":"filter","text":"10.0"},{"do":"key","keys":"Enter"}]})");
  ASSERT_EQ(here.exitCode, 0) << here.err;
  ExpectParts(here, {R"("endCode":1,)", R"("result":{"name":"core 1","path":"Lab\\core 1"},"launched":[])"});
}

}  // namespace
