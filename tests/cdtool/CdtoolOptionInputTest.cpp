// Option inputs run against `session set`, `session apply-default` and `global set`.
#include <nlohmann/json.hpp>

#include "support/CaseFile.h"
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

// One value taken and one refused per form; each form's own boundaries are VOptionTextTest's.
TEST_F(CdtoolOptionInputTest, EveryVerbTakesAndRefusesTheSameInputs) {
  ExpectCaseFile("cdtool/option_inputs.txt", [&](std::string const& line) {
    size_t const space = line.find(' '), equals = line.find('=');
    std::string const where = line.substr(0, space), name = line.substr(space + 1, equals - space - 1),
                      value = line.substr(equals + 1);
    std::vector<std::string> commands;
    if (where != "global")
      commands = {"session set S " + ShellQuoted(name + "=" + value),
                  "session apply-default --yes " + ShellQuoted(name + "=" + value)};
    if (where != "session") commands.push_back("global set " + ShellQuoted(name) + " " + ShellQuoted(value));
    std::string answer;
    for (std::string const& command : commands) {
      CdtoolResult const result = Run(command);
      std::string const shown =
          result.exitCode ? result.err
                          : (command.starts_with("global") ? GlobalValue(name) : SessionValue(name)).dump() + "\n";
      answer += command.substr(0, command.find(' ', 8)) + ": exit " + std::to_string(result.exitCode) + ", " + shown;
    }
    return answer;
  });
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
