#include <gtest/gtest.h>

#include <string>

#include "support/CdtoolRunner.h"

namespace {

using CdtoolSessionOptionsTest = CdtoolTest;

// The option line `name` of `session show`'s plain output.
std::string OptionLine(std::string const& shown, std::string const& name) {
  size_t const at = shown.find("\n" + name + "\t");
  return at == std::string::npos ? "" : shown.substr(at + 1, shown.find('\n', at + 1) - at - 1);
}

TEST_F(CdtoolSessionOptionsTest, OkStoresTheSessionAndCancelStoresNothing) {
  ASSERT_EQ(Run("session mkdir Lab").exitCode, 0);
  ASSERT_EQ(Run("session new 'Lab\\core' --protocol SSH2 --host gate").exitCode, 0);
  std::string const steps = R"({"steps":[{"do":"choose","control":1404,"item":"Telnet"},)"
                            R"({"do":"select","page":"Terminal"},{"do":"set","control":1520,"value":"false"},)"
                            R"({"do":"expand","page":"Emulation"},{"do":"select","page":"Modes"},)"
                            R"({"do":"choose","control":1548,"item":"Application"},)";
  std::string const before = Run("session show 'Lab\\core'").out;
  CdtoolResult const cancelled = RunScript("dialog session-options 'Lab\\core' --json", steps + R"({"do":"cancel"}]})");
  EXPECT_EQ(cancelled.exitCode, 0) << cancelled.err;
  ExpectParts(cancelled, {R"({"endCode":2,"messages":[],"title":"Session Options - core","pages":[)", R"("saved":false})"});
  EXPECT_EQ(Run("session show 'Lab\\core'").out, before);
  CdtoolResult const saved = RunScript("dialog session-options 'Lab\\core' --json", steps + R"({"do":"ok"}]})");
  EXPECT_EQ(saved.exitCode, 0) << saved.err;
  ExpectParts(saved, {R"({"endCode":1,"messages":[],"title":"Session Options - core")", R"("current":"Modes")",
                      R"({"id":1548,"label":"Ke&ypad:","value":"Application","enabled":true,"visible":true})"});
  std::string const after = Run("session show 'Lab\\core'").out;
  EXPECT_NE(after.find("terminalProtocol: Telnet\n"), std::string::npos) << after;
  EXPECT_EQ(OptionLine(after, "Audio Bell"), "Audio Bell\tnumber\t0");
  EXPECT_EQ(OptionLine(after, "Keypad Mode"), "Keypad Mode\tnumber\t1");

  std::string const notAList = R"({"steps":[{"do":"choose","control":1401,"item":"x"}]})";
  ExpectSteps({{"dialog session-options 'Lab\\core' --json --script " + WriteFile("list.json", notAList), 1,
                "{\"error\":\"control 1401 is not a list\",\"step\":0}\n"}});
  EXPECT_EQ(RunScript("dialog session-options 'Lab\\nowhere'", notAList).exitCode, 1);
}

}  // namespace
