// One table of option inputs run against `session set`, `session apply-default` and
// `global set`: every verb where the option exists gives the same exit code and, for a refusal,
// the same message, and a value taken reads back the same.
#include <nlohmann/json.hpp>

#include "support/ShownOptions.h"

namespace {

class CdtoolOptionInputTest : public CdtoolTest {
 protected:
  CdtoolOptionInputTest() { EXPECT_EQ(Run("session new S --host h").exitCode, 0); }

  nlohmann::json SessionValue(std::string const& name) const { return ShownOptions(m_runner, "S", {name})[0]; }
  nlohmann::json GlobalValue(std::string const& name) const {
    return nlohmann::json::parse(Run("global get " + ShellQuoted(name) + " --json").out)["value"];
  }
};

// readBack: the value shown after it was taken.
struct Row { std::string name, value; bool inSession, inGlobal; int exitCode; nlohmann::json readBack; };

TEST_F(CdtoolOptionInputTest, EveryVerbTakesAndRefusesTheSameInputs) {
  std::string const margins = "000000000000f03f000000000000e03f000000000000e03f000000000000e03f";
  std::string const sendX = "00000001" "00000041" "53454e4400" "7800";  // key 0x41: SEND "x"
  // One value taken and one refused per form; each form's own boundaries are VOptionTextTest's.
  std::vector<Row> const rows = {
      {"Printer CTS Flow", "off", true, true, 0, false}, {"Printer CTS Flow", "maybe", true, true, 1, nullptr},
      {"Printer Baud Rate", "-2147483648", true, true, 0, -2147483648LL},
      {"Printer Baud Rate", "2147483648", true, true, 1, nullptr},
      {"Trace Level", "4294967295", true, false, 0, 4294967295u}, {"Trace Level", "-1", true, false, 1, nullptr},
      {"Printer Name", "Lab \"A\" = 'B'", true, true, 0, "Lab \"A\" = 'B'"},
      {"Login Script", "hi", true, false, 0, "********"}, {"Page Margins", margins, true, true, 0, margins},
      {"Page Margins", "00", true, true, 1, nullptr}, {"Keymap", "00000000", true, false, 0, "00000000"},
      {"Keymap", "0a1", true, false, 1, nullptr}, {"Keymap", sendX, true, false, 0, sendX},
      {"Keymap", "0A0B0C0D", true, false, 1, nullptr},  // counts records it does not hold
      {"Keymap", sendX + "00", true, false, 1, nullptr}, {"Keymap", "", true, false, 0, "00000000"},
      {"HFYX Custom Toolbar Data", "0A1b", false, true, 0, "0a1b"},
      {"Description", R"(["one","","t\"wo"])", true, false, 0, {"one", "", "t\"wo"}},
      {"Description", "one", true, false, 1, nullptr}, {"Color Schemes", R"(["x"])", false, true, 1, nullptr},
      {"No Such Option", "1", true, true, 1, nullptr},
  };
  for (Row const& row : rows) {
    std::string const assignment = ShellQuoted(row.name + "=" + row.value);
    std::vector<std::string> commands;
    if (row.inSession) {
      commands.push_back("session set S " + assignment);
      commands.push_back("session apply-default --yes " + assignment);
    }
    if (row.inGlobal) commands.push_back("global set " + ShellQuoted(row.name) + " " + ShellQuoted(row.value));
    std::string firstError;
    for (std::string const& command : commands) {
      CdtoolResult const result = Run(command);
      ASSERT_EQ(result.exitCode, row.exitCode) << command << "\n" << result.err;
      if (row.exitCode != 0) {
        if (firstError.empty()) firstError = result.err;
        EXPECT_EQ(result.err, firstError) << command;
        continue;
      }
      bool const global = command.starts_with("global");
      EXPECT_EQ(global ? GlobalValue(row.name) : SessionValue(row.name), row.readBack) << command;
    }
    EXPECT_EQ(firstError.find("cdtool: "), row.exitCode ? 0u : std::string::npos) << row.name << "=" << row.value;
  }
}

TEST_F(CdtoolOptionInputTest, AssignmentsWithoutNameOrEqualsAndProtocolChoicesInApplyDefault) {
  ExpectExits({
      {"session set S 'Idle Timeout'", 1, "\"Idle Timeout\" is not NAME=VALUE"},
      {"session apply-default --yes 'Idle Timeout'", 1, "\"Idle Timeout\" is not NAME=VALUE"},
      {"session set S =5", 1, "\"=5\" is not NAME=VALUE"},
      {"session apply-default --yes 'Protocol Name=Telnet'", 1, "\"Protocol Name\" is a protocol choice"},
  });
  EXPECT_EQ(SessionValue("Protocol Name"), "SSH2");
}

}  // namespace
