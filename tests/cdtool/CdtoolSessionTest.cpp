// Runs `cdtool protocols` and `cdtool session` against a temporary root with the built plug-ins.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>

#include "support/CdtoolRunner.h"

namespace {

class CdtoolSessionTest : public CdtoolTest {
 protected:
  CdtoolSessionTest() {
    // The product's store lives in its configuration folder; `reg set` reaches it as a hive file.
    std::string const store = nlohmann::json::parse(Run("global show --json").out)["store"];
    m_key = "'FILE:" + store + "\\Sessions\\Work\\Box'";
    Run("reg set " + m_key + " 'Protocol Name' --sz Telnet");
  }

  nlohmann::json Options() {
    nlohmann::json const shown = nlohmann::json::parse(Run("session show 'Work\\Box' --json").out);
    nlohmann::json options;
    for (auto const& option : shown["options"]) options[option["name"].get<std::string>()] = option;
    return options;
  }

  std::string m_key;
};

TEST_F(CdtoolSessionTest, ProtocolsAreTheProductsRowsAndNone) {
  CdtoolResult const terminal = Run("protocols --json");
  ASSERT_EQ(terminal.exitCode, 0) << terminal.err;
  nlohmann::json const listed = nlohmann::json::parse(terminal.out);
  std::string names;
  for (auto const& entry : listed["protocols"]) names += entry["protocol"].get<std::string>() + " ";
  EXPECT_EQ(names, "SSH2 Telnet RLogin Serial TAPI None ");
  EXPECT_TRUE(listed["missing"].empty());

  EXPECT_EQ(Run("--product halofyx protocols").out.substr(0, 7), "0\tSFTP\t");
  EXPECT_EQ(Run("protocols --plugins " + m_root.Path()).exitCode, 1);
}

TEST_F(CdtoolSessionTest, ShowDerivesFromTheStoredSession) {
  Run("reg set " + m_key + " Hostname --sz box.example");
  CdtoolResult const shown = Run("session show 'Work\\Box' --json");
  ASSERT_EQ(shown.exitCode, 0) << shown.err;
  nlohmann::json const session = nlohmann::json::parse(shown.out);
  EXPECT_EQ(session["name"], "Box");
  EXPECT_EQ(session["terminalProtocol"], "Telnet");
  EXPECT_EQ(session["port"], 23);
  EXPECT_EQ(session["commandLine"], "/S \"Work\\Box\"");
  EXPECT_EQ(session["description"], "Hostname: box.example");
  EXPECT_EQ(Options()["Idle Timeout"]["value"], 300);
  EXPECT_EQ(Run("session show 'Work\\None'").exitCode, 1);
}

TEST_F(CdtoolSessionTest, SetIsTypedAndAllOrNothing) {
  struct Case {
    std::string assignments;
    int exitCode;
  };
  Case const refused[] = {
      {"'Idle Timeout=120' 'Idle Check=maybe'", 1},
      {"'Idle Timeout=120' 'No Such Option=1'", 1},
      {"'Protocol Name=SFTP' 'Idle Timeout=120'", 1},
      {"'Page Margins=00' 'Idle Timeout=120'", 1},
      {"'Idle Timeout'", 1},
  };
  for (Case const& c : refused) {
    EXPECT_EQ(Run("session set 'Work\\Box' " + c.assignments).exitCode, c.exitCode) << c.assignments;
    EXPECT_EQ(Options()["Idle Timeout"]["value"], 300) << c.assignments;
  }

  CdtoolResult const set = Run(
      "session set 'Work\\Box' 'idle timeout=120' 'Use Login Script=yes' 'Login Script=hi' 'Protocol Name=ssh2' "
      "'SSH2 Port=2222' 'Trace Level=0xFFFFFFFF'");
  ASSERT_EQ(set.exitCode, 0) << set.err;
  nlohmann::json options = Options();
  EXPECT_EQ(options["Idle Timeout"]["value"], 120);
  EXPECT_EQ(options["Use Login Script"]["value"], true);
  EXPECT_EQ(options["Login Script"]["type"], "encoded text");
  EXPECT_EQ(options["Login Script"]["value"], "hi");
  EXPECT_EQ(options["Protocol Name"]["value"], "SSH2");
  EXPECT_EQ(options["SSH2 Port"]["value"], 2222);
  EXPECT_EQ(options["Trace Level"]["value"], 4294967295u);
  std::string const stored = Run("reg get " + m_key + " 'Login Script'").out;
  EXPECT_EQ(stored.find("hi"), std::string::npos);
}

}  // namespace
