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

// Keys mapped on the Mapped Keys page, by a click under Ctrl and by "Map a Key" with Shift+F1
// held, are stored as the session's keymap records on OK; a scan code no key button has fails.
TEST_F(CdtoolSessionOptionsTest, KeyButtonsMapTheSessionsKeys) {
  ASSERT_EQ(Run("session new core --protocol SSH2 --host gate").exitCode, 0);
  std::string const script = m_root.File("keys.json");
  WriteFileBytes(script, R"({"steps":[{"do":"expand","page":"Emulation"},{"do":"select","page":"Mapped Keys"},)"
                         R"({"do":"set","control":1564,"value":"true"},)"
                         R"({"do":"key-button","scan":30,"extended":false},{"do":"category","name":"Menu Function"},)"
                         R"({"do":"function","name":"MENU_COPY"},{"do":"ok"},{"do":"command","id":1567},)"
                         R"({"do":"press","scan":59,"held":"shift"},{"do":"string","value":"x"},{"do":"ok"},)"
                         R"({"do":"ok"}]})");
  CdtoolResult const saved = Run("dialog session-options core --json --script " + script);
  EXPECT_EQ(saved.exitCode, 0) << saved.err;
  EXPECT_NE(saved.out.find(R"({"id":1565,"label":"S&hift","value":"true","enabled":true,"visible":true})"),
            std::string::npos) << saved.out;
  EXPECT_NE(saved.out.find(R"("saved":true})"), std::string::npos);
  // Two records: Ctrl+A (0x241) MENU_COPY with no value, Shift+F1 (0x470) SEND "x".
  EXPECT_EQ(OptionLine(Run("session show core").out, "Keymap"),
            "Keymap\tbytes\t00000002" "00000241" "4d454e555f434f505900" "00"
            "00000470" "53454e4400" "7800");

  WriteFileBytes(script, R"({"steps":[{"do":"expand","page":"Emulation"},{"do":"select","page":"Mapped Keys"},)"
                         R"({"do":"key-button","scan":29}]})");
  CdtoolResult const modifier = Run("dialog session-options core --json --script " + script);
  EXPECT_EQ(modifier.exitCode, 1);
  EXPECT_EQ(modifier.out, "{\"error\":\"the keyboard has no key button with the scan code 29\",\"step\":2}\n");
}

}  // namespace
