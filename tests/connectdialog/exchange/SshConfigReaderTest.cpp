#include <gtest/gtest.h>

#include <filesystem>

#include "connectdialog/exchange/ImportedSessionSummary.h"
#include "exchange/SshConfigLine.h"
#include "exchange/SshConfigReader.h"
#include "exchange/SshHostPattern.h"
#include "support/Golden.h"
#include "support/TempFolder.h"

namespace {

// Each outcome as "kind subject line-number: reason".
std::string Outcomes(ImportBatch const& batch) {
  std::string text;
  for (ImportOutcome const& outcome : batch.outcomes) {
    std::string const line = outcome.source.substr(outcome.source.rfind(':') + 1);
    text += std::string(ImportOutcome::KindName(outcome.kind)) + " " + outcome.subject + " " + line + ": " +
            outcome.reason + "\n";
  }
  return text;
}

TEST(SshConfigLineTest, SplitsAsSshDoes) {
  struct Case { char const* line; char const* keyword; std::vector<std::string> arguments; };
  Case const cases[] = {
      {"Port 22", "Port", {"22"}}, {"  port=22", "port", {"22"}}, {"Port = 22", "Port", {"22"}},
      {"\tUser \"a b\" # comment", "User", {"a b"}}, {"User 'it''s'", "User", {"its"}},
      {"IdentityFile a\\ b", "IdentityFile", {"a b"}}, {"IdentityFile \"a\\\"b\"", "IdentityFile", {"a\"b"}},
      {"IdentityFile c:\\x", "IdentityFile", {"c:\\x"}}, {"Host a b#c", "Host", {"a", "b#c"}},
      {"Host a #b", "Host", {"a"}}, {"# only a comment", "", {}}, {"   ", "", {}}, {"Host", "Host", {}},
  };
  for (Case const& c : cases) {
    SshConfigLine line;
    std::string error;
    ASSERT_TRUE(SshConfigLine::Split(c.line, line, error)) << c.line;
    EXPECT_EQ(std::pair(line.keyword, line.arguments), std::pair(std::string(c.keyword), c.arguments)) << c.line;
  }
  SshConfigLine line;
  std::string error;
  EXPECT_FALSE(SshConfigLine::Split("User \"open", line, error));
  EXPECT_EQ(error, "the quotes of \"User\" are not closed");
}

TEST(SshHostPatternTest, MatchesPatternListsAsSshDoes) {
  struct Case { std::vector<std::string> patterns; char const* alias; bool matches; };
  Case const cases[] = {
      {{"web"}, "web", true},           {{"web"}, "Web", false},           {{"web*"}, "web12", true},
      {{"w?b"}, "wab", true},           {{"w?b"}, "wb", false},            {{"*"}, "", true},
      {{"*.lan", "!db.lan"}, "db.lan", false}, {{"!db.lan", "*.lan"}, "a.lan", true}, {{"!x"}, "y", false},
      {{"a*b*c"}, "aXbYbZc", true},     {{"a*b*c"}, "aXbYbZ", false},      {{"**"}, "anything", true},
  };
  for (Case const& c : cases) EXPECT_EQ(SshHostPattern(c.patterns).Matches(c.alias), c.matches) << c.alias;
}

class SshConfigReaderTest : public ::testing::Test {
 protected:
  std::string Write(std::string const& name, std::string const& text) {
    std::filesystem::create_directories(std::filesystem::path(m_home / (".ssh/" + name)).parent_path());
    WriteFileBytes(m_home / (".ssh/" + name), text);
    return m_home / (".ssh/" + name);
  }
  ImportBatch Read(std::string const& text) { return SshConfigReader(m_home.Path()).Read(Write("config", text)); }
  TempFolder m_home;
};

// Each config, then the sessions it made and its outcomes.
TEST_F(SshConfigReaderTest, EveryAliasGetsTheFirstValueOfEveryBlockThatApplies) {
  std::string text;
  for (char const* config : {
           "Host web\n  HostName web.example.com\n  Port 2222\n  User deploy\n",
           // The first value wins, whichever block gives it; a later general block fills the gaps.
           "Host a b\n User one\nHost a\n User two\n Port 1\nHost *\n User three\n Port 9\n",
           "Port 7\nHost a\n Port 8\n", "HOSTNAME=%h.lan\nhost x y\n",
           "Host *.lan !db.lan\n User lan\nHost db.lan web.lan\n",
           "Host k\n IdentityFile ~/.ssh/k1\n IdentityFile ~/.ssh/k2\n Compression YES\n",
           "Host m\n PreferredAuthentications hostbased,gssapi-with-mic,password,password\n",
           "Host j\n ProxyJump me@bastion:2200,inner\nHost n\n ProxyJump none\n", "Host lab/core/r1\n",
           "Match host x\n User m\nHost after\n",
           "Host p\n Port 0\n Port 70000\n Port ssh\n Compression maybe\n User\n User a b\n", "Host\nHost /a a//b\n",
           "Host q\n User \"unclosed\n"}) {
    ImportBatch const batch = Read(config);
    EXPECT_EQ(batch.error, "") << config;
    text += "## config\n" + std::string(config) + "## read\n";
    for (ImportedSession const& session : batch.sessions) text += Summary(session) + "\n";
    text += Outcomes(batch);
  }
  ExpectGolden("exchange/ssh_config_reader.txt", text);
}

TEST_F(SshConfigReaderTest, IncludeReadsInPlaceWithinTheBlockAroundIt) {
  Write("conf.d/a.conf", "Host inc\n Port 2022\n");
  Write("conf.d/b.conf", "User fromb\n");
  Write("only-a", "Port 3000\nHost hidden\n");
  std::string const absolute = Write("abs.conf", "Host abs\n");
  ImportBatch const batch =
      Read("Include conf.d/*.conf " + absolute + " missing*.conf\nHost first\n Include only-a\nHost last\n");
  std::string sessions;
  for (ImportedSession const& session : batch.sessions) sessions += Summary(session) + "\n";
  // b.conf starts where the Include stands, not inside a.conf's last block; "hidden" lies in a
  // file included inside "Host first", so that file's Port applies to "first" alone. (ssh -G agrees.)
  EXPECT_EQ(sessions, "inc SSH2/SFTP host=inc user=fromb SSH2 Port=2022 SFTP Port=2022\n"
                      "abs SSH2/SFTP host=abs user=fromb\n"
                      "first SSH2/SFTP host=first user=fromb SSH2 Port=3000 SFTP Port=3000\n"
                      "hidden SSH2/SFTP host=hidden user=fromb\nlast SSH2/SFTP host=last user=fromb\n");
  EXPECT_EQ(Outcomes(batch), "");
}

TEST_F(SshConfigReaderTest, AnIncludeCycleEndsWithAReportAndAnUnreadableSourceIsAnError) {
  Write("loop", "Host looped\nInclude loop\n");
  ImportBatch const batch = Read("Include loop\n");
  ASSERT_EQ(batch.sessions.size(), 1u);
  EXPECT_EQ(batch.sessions[0].path[0], "looped");
  EXPECT_EQ(Outcomes(batch), "refused Include 2: Include nested more than 16 deep (a file including itself?)\n");
  // An unreadable source is an error, and a folder is no file.
  EXPECT_EQ(SshConfigReader(m_home.Path()).Read(m_home / "none").error, "cannot read " + (m_home / "none"));
  EXPECT_EQ(SshConfigReader(m_home.Path()).Read(m_home.Path()).error, m_home.Path() + " is a folder, not a file");
}

}  // namespace
