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
  std::string const script = m_root.File("script.json");
  WriteFileBytes(script, R"({"steps":[{"do":"choose","control":1404,"item":"Telnet"},)"
                         R"({"do":"select","page":"Terminal"},{"do":"set","control":1520,"value":"false"},)"
                         R"({"do":"expand","page":"Emulation"},{"do":"select","page":"Modes"},)"
                         R"({"do":"choose","control":1548,"item":"Application"},)"
                         R"({"do":"cancel"}]})");
  std::string const before = Run("session show 'Lab\\core'").out;
  CdtoolResult const cancelled = Run("dialog session-options 'Lab\\core' --json --script " + script);
  EXPECT_EQ(cancelled.exitCode, 0) << cancelled.err;
  EXPECT_NE(cancelled.out.find(R"({"endCode":2,"messages":[],"title":"Session Options - core","pages":[)"),
            std::string::npos) << cancelled.out;
  EXPECT_NE(cancelled.out.find(R"("saved":false})"), std::string::npos);
  EXPECT_EQ(Run("session show 'Lab\\core'").out, before);

  std::string ok = ReadFileBytes(script);
  ok.replace(ok.find("cancel"), 6, "ok");
  WriteFileBytes(script, ok);
  CdtoolResult const saved = Run("dialog session-options 'Lab\\core' --json --script " + script);
  EXPECT_EQ(saved.exitCode, 0) << saved.err;
  EXPECT_NE(saved.out.find(R"({"endCode":1,"messages":[],"title":"Session Options - core")"), std::string::npos);
  EXPECT_NE(saved.out.find(R"("current":"Modes")"), std::string::npos);
  EXPECT_NE(saved.out.find(R"({"id":1548,"label":"Ke&ypad:","value":"Application","enabled":true,"visible":true})"),
            std::string::npos);
  std::string const after = Run("session show 'Lab\\core'").out;
  EXPECT_NE(after.find("terminalProtocol: Telnet\n"), std::string::npos) << after;
  EXPECT_EQ(OptionLine(after, "Audio Bell"), "Audio Bell\tnumber\t0");
  EXPECT_EQ(OptionLine(after, "Keypad Mode"), "Keypad Mode\tnumber\t1");

  WriteFileBytes(script, R"({"steps":[{"do":"choose","control":1401,"item":"x"}]})");
  CdtoolResult const notAList = Run("dialog session-options 'Lab\\core' --json --script " + script);
  EXPECT_EQ(notAList.exitCode, 1);
  EXPECT_EQ(notAList.out, "{\"error\":\"control 1401 is not a list\",\"step\":0}\n");
  EXPECT_EQ(Run("dialog session-options 'Lab\\nowhere' --script " + script).exitCode, 1);
}

}  // namespace
