// cdtool starts the library as the product's host does, so that sessions keep what that host
// keeps: a Gatehold session stays Gatehold through every verb that saves it.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>

#include "support/CdtoolRunner.h"

namespace {

class CdtoolStartupTest : public CdtoolTest {
 protected:
  CdtoolStartupTest() {
    std::string const store = nlohmann::json::parse(Run("global show --json").out)["store"];
    m_sessions = "'FILE:" + store + "\\Sessions\\";
  }

  // The values the emulation decides, as the registry holds them.
  std::string Stored(std::string const& path) const {
    std::string stored;
    for (char const* name : {"Emulation", "ANSI Color", "Keymap Name"})
      stored += Run("reg get " + m_sessions + path + "' '" + name + "' --json").out;
    return stored;
  }

  std::string m_sessions;
};

TEST_F(CdtoolStartupTest, EverySessionVerbKeepsAGateholdSessionGatehold) {
  ASSERT_EQ(Run("session mkdir Lab").exitCode, 0);
  ASSERT_EQ(Run("session mkdir Other").exitCode, 0);
  ASSERT_EQ(Run("session new 'Lab\\Gate' --protocol Telnet --host gate.example").exitCode, 0);
  ASSERT_EQ(Run("reg set " + m_sessions + "Lab\\Gate' Emulation --sz Gatehold").exitCode, 0);
  std::string const before = Stored("Lab\\Gate");
  ASSERT_NE(before.find("\"data\":\"Gatehold\""), std::string::npos) << before;
  struct Case {
    std::string verb;
    std::string savedAt;
  };
  Case const cases[] = {
      {"session set 'Lab\\Gate' 'Idle Timeout=120'", "Lab\\Gate"},
      {"session cp 'Lab\\Gate' Other", "Other\\Gate"},
      {"session mv 'Other\\Gate' ''", "Gate"},
      {"session rename Gate Moved", "Moved"},
      {"session apply-default 'Idle Timeout=77' --yes", "Lab\\Gate"},
  };
  for (Case const& c : cases) {
    CdtoolResult const result = Run(c.verb);
    ASSERT_EQ(result.exitCode, 0) << c.verb << "\n" << result.err;
    EXPECT_EQ(Stored(c.savedAt), before) << c.verb;
  }
  EXPECT_EQ(Stored("Moved"), before) << "apply-default visits every session";
}

}  // namespace
