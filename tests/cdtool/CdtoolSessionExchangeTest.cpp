// Import from other tools' files and export for them, through the tool as people run it.
#include <sstream>

#include "support/CdtoolTranscript.h"
#include "support/CommandOutput.h"

namespace {

class CdtoolSessionExchangeTest : public CdtoolTranscriptTest {
 protected:
  // What OpenSSH itself makes of `alias` under `config`: the fields an export must keep.
  static std::string SshView(std::string const& config, std::string const& alias) {
    std::istringstream lines(CommandOutput("ssh -G -F " + ShellQuoted(config) + " " + ShellQuoted(alias) + " 2>/dev/null"));
    std::string kept;
    for (std::string line; std::getline(lines, line);)
      for (char const* field : {"hostname ", "port ", "user ", "identityfile ", "proxyjump "})
        if (line.starts_with(field)) kept += line + "\n";
    return kept;
  }
};

TEST_F(CdtoolSessionExchangeTest, ImportThenExportReadsTheSameToOpenSsh) {
  if (std::system("ssh -V >/dev/null 2>&1") != 0) GTEST_SKIP() << "the OpenSSH client is not installed";
  std::string const included = WriteFile("hosts.conf", "Host db1 db2\n  HostName %h.db.lan\n  Port 5022\n");
  std::string const original = WriteFile(
      "config", "Include " + included +
                    "\nHost web\n  HostName web.example.com\n  User deploy\n  IdentityFile ~/.ssh/web_key\n"
                    "Host db1\n  ProxyJump ops@bastion:2200\nHost db2 lab/r1\n  ProxyJump ops@bastion:2200\n"
                    "Host lab/r1\n  User = \"net admin\"\n  Compression yes\nHost *\n  User everyone\n");
  CdtoolResult const imported = Run("session import ssh-config " + ShellQuoted(original));
  ASSERT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_NE(imported.out.find("made 4, skipped 1, refused 0\n"), std::string::npos) << imported.out;
  std::string const exported = m_root.File("exported");
  ASSERT_EQ(Run("session export ssh-config -o " + ShellQuoted(exported)).exitCode, 0);
  for (char const* alias : {"web", "db1", "db2", "lab/r1"}) {
    std::string const view = SshView(original, alias);
    EXPECT_NE(view.find("hostname "), std::string::npos) << alias;
    EXPECT_EQ(SshView(exported, alias), view) << alias;
  }
  // One jump host, shared by both sessions that pass it.
  EXPECT_EQ(Run("firewall ls").out, "None\nops@bastion:2200\n");
  EXPECT_EQ(Run("firewall show ops@bastion:2200 --json").out,
            "{\"name\":\"ops@bastion:2200\",\"type\":\"Jump Host\",\"typeName\":\"SSH jump host\",\"host\":\"bastion\","
            "\"port\":2200,\"user\":\"ops\",\"passwordSet\":false,\"prompt\":\"\",\"command\":\"ops@bastion:2200\"}\n");
}

TEST_F(CdtoolSessionExchangeTest, ConflictsDryRunsAndTargetsAreReported) {
  std::string const config = WriteFile("config", "Host web\n  Port 2222\nHost lab/sw\n");
  std::string const changed = WriteFile("changed", "Host web\n  Port 3333\n");
  std::string const before = Run("reg tree HKCU --json").out;
  ExpectTranscript("import_dry_run.txt", {"session import ssh-config " + config + " --dry-run --json"});
  EXPECT_EQ(Run("reg tree HKCU --json").out, before) << "a dry run changed the store";
  // New sessions copy the default session, which the first import writes down as a host does.
  ExpectTranscript("import_conflicts.txt",
                   {"session import ssh-config " + config, "session import ssh-config " + changed,
                    "session import ssh-config " + changed + " --on-conflict rename",
                    "session import ssh-config " + changed + " --on-conflict replace --into lab",
                    "session import ssh-config " + changed + " --on-conflict replace --into lab", "session ls",
                    "session ls lab", "session import ssh-config " + config + " --into nowhere",
                    "session import ssh-config " + m_root.File("missing"),
                    "session import putty " + m_root.File("missing"), "session import telnet-list x",
                    "session import ssh-config " + config + " --on-conflict merge", "session export",
                    "session export ssh-config a b", "session export --format csv nowhere"});
  EXPECT_NE(Run("session show 'web (2)'").out.find("SSH2 Port\tnumber\t3333"), std::string::npos);
}

TEST_F(CdtoolSessionExchangeTest, ExportsCsvAndJsonWithoutSecrets) {
  ExpectTranscript("export.txt",
                   {"session mkdir 'Lab, east'",
                    "session new 'Lab, east\\sw 1' --protocol Telnet --host 10.0.0.1 --port 2323 --user ops",
                    "session set 'Lab, east\\sw 1' 'Description=[\"rack \\\"4\\\"\",\"row 2\"]'",
                    "session new top --protocol SSH2 --host top.lan", "session set top 'SSH2 Password=secret'",
                    "session export --format csv", "session export json 'Lab, east'", "session export ssh-config"});
}

// The Connect dialog's Import command: a chosen file read in its format into the selected folder.
TEST_F(CdtoolSessionExchangeTest, TheConnectDialogImportsIntoTheSelectedFolder) {
  std::string const remmina = WriteFile("box.remmina", "[remmina]\nname=Box\nserver=box.lan:2200\nprotocol=SSH\n");
  ASSERT_EQ(Run("session mkdir Lab").exitCode, 0);
  CdtoolResult const result = RunScript(
      "dialog connect --json --no-launch", R"({"steps":[{"do":"select","path":"Lab"},{"do":"command","id":2120},)"
                                           R"({"do":"close"}],"answers":["IDOK"],"texts":[")" + remmina + R"("]})");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  ExpectParts(result, {R"({"text":"Made 1 sessions, skipped 0, refused 0.","type":64})",
                       R"({"path":"Lab\\Box","kind":"session","label":"Box")"});
  EXPECT_NE(Run("session show 'Lab\\Box'").out.find("port: 2200"), std::string::npos);
}

}  // namespace
