// cdtool session tree verbs and launch: a session tree built, arranged and changed step by step.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <map>
#include <string>

#include "support/CdtoolRunner.h"

namespace {

using CdtoolSessionTreeTest = CdtoolTest;

TEST_F(CdtoolSessionTreeTest, ArrangesTheTreeStepByStep) {
  std::vector<CdtoolStep> steps = {
      {"session mkdir Lab", 0, ""},
      {"session mkdir 'Lab\\Routers'", 0, ""},
      {"session new 'Lab\\core 1' --protocol ssh2 --host 10.0.0.1 --port 2222 --user me", 0, ""},
      {"session new b", 0, ""},
      {"session new a", 0, ""},
      {"session ls --tree", 0, "Lab\\\n  Routers\\\n  core 1\nb\na\n"},
      {"session ls --alpha", 0, "Lab\\\na\nb\n"},
      {"session reorder a b --before", 0, ""},
      {"session ls", 0, "Lab\\\na\nb\n"},
      {"session cp a Lab --unique", 0, "Lab\\a\n"},
      {"session cp a Lab --unique", 0, "Lab\\a (1)\n"},
      {"session cp a Lab", 1, "", "cdtool: a already exists in the target folder\n"},
      {"session mv a Lab", 1, "", "cdtool: a already exists in the target folder\n"},
      {"session mv Lab 'Lab\\Routers'", 1, ""},
      {"session mv b 'Lab\\Routers'", 0, ""},
      {"session rename 'Lab\\a (1)' A2", 0, ""},
      {"session rename Lab lab", 0, ""},
      {"session ls --tree", 0, "lab\\\n  Routers\\\n    b\n  core 1\n  a\n  A2\na\n"},
      {"session rename a 'x:y'", 1, ""},
      {"session new 'nowhere\\s'", 1, "", "cdtool: no folder \"nowhere\"\n"},
      {"session new s --protocol Gopher", 1, ""},
      {"session rm lab", 1, ""},
      {"session rm 'lab\\Routers' --yes", 0, ""},
      {"session rm missing --yes", 1, ""},
      {"session ls lab --json", 0,
       "{\n  \"name\": \"lab\",\n  \"path\": \"lab\",\n  \"folders\": [],\n  \"sessions\": [\n    \"core 1\",\n"
       "    \"a\",\n    \"A2\"\n  ]\n}\n"},
      {"session apply-default 'Title Bar=hi' 'idle string=x' --yes", 0, "updated 5 of 5 sessions\n"},
      {"session apply-default 'Title Bar' --yes", 1, ""},
      {"session apply-default 'Use Title Bar=many' --yes", 1, ""},
      {"session set-all 'Log Multiple Sessions' 1", 0, ""},
      {"session set-all X 2", 2, ""},
      {"launch terminal missing", 1, ""},
      {"launch transfer a", 1, "", "cdtool: The application could not be started.\n\nCheck its program path in the global options.\n"},
      {"session reorder a nothing --after", 1, ""},
  };
  for (CdtoolStep& step : steps) step.input = "n\n";  // every question is declined
  ExpectSteps(steps);
  // The default's change reached a session, and only the options named.
  std::map<std::string, nlohmann::json> values;
  nlohmann::json const shown = nlohmann::json::parse(Run("session show 'lab\\A2' --json").out);
  for (auto const& option : shown["options"])
    values[option["name"]] = option["value"];
  EXPECT_EQ(values["Title Bar"], "hi");
  EXPECT_EQ(values["Idle String"], "x");
  EXPECT_EQ(values["Log Multiple Sessions"], true);
  EXPECT_EQ(values["Description"], nlohmann::json::array());
}

}  // namespace
