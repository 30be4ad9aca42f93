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

// Forms and refusals of single values are in CdtoolOptionInputTest; this is what a whole
// command does: protocol first, all or nothing, secrets stored encoded and shown masked.
TEST_F(CdtoolSessionTest, SetTakesTheProtocolFirstAndIsAllOrNothing) {
  for (std::string const refused : {"'Idle Timeout=120' 'Idle Check=maybe'", "'Idle Timeout=120' 'No Such Option=1'",
                                    "'Protocol Name=SFTP' 'Idle Timeout=120'", "'Idle Timeout'"}) {
    EXPECT_EQ(Run("session set 'Work\\Box' " + refused).exitCode, 1) << refused;
    EXPECT_EQ(Options()["Idle Timeout"]["value"], 300) << refused;
  }
  CdtoolResult const set =
      Run("session set 'Work\\Box' 'SSH2 Port=2222' 'idle timeout=120' 'Login Script=hi' 'Protocol Name=ssh2'");
  ASSERT_EQ(set.exitCode, 0) << set.err;
  nlohmann::json options = Options();
  EXPECT_EQ(options["Idle Timeout"]["value"], 120);
  EXPECT_EQ(options["Protocol Name"]["value"], "SSH2");
  EXPECT_EQ(options["SSH2 Port"]["value"], 2222);
  EXPECT_EQ(options["Login Script"]["value"], "********");
  std::string const stored = Run("reg get " + m_key + " 'Login Script'").out;
  EXPECT_EQ(stored.find("hi"), std::string::npos);
  // The mask fed back keeps the secret.
  ASSERT_EQ(Run("session set 'Work\\Box' 'Login Script=********' 'Idle Timeout=60'").exitCode, 0);
  EXPECT_EQ(Run("reg get " + m_key + " 'Login Script'").out, stored);
  EXPECT_EQ(Options()["Idle Timeout"]["value"], 60);
}

}  // namespace
