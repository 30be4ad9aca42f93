// Import from other tools' files and export for them, through the tool as people run it.
#include <sstream>

#include "support/CdtoolRunner.h"
#include "support/CommandOutput.h"

namespace {

class CdtoolSessionExchangeTest : public CdtoolTest {
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
  ExpectSteps({
      {"session import ssh-config " + config + " --dry-run --json", 0,
       "{\"dryRun\":true,\"made\":2,\"skipped\":0,\"refused\":0,\"entries\":[{\"outcome\":\"made\",\"subject\":\"web\","
       "\"source\":\"" + config + ":1\",\"reason\":\"\"},{\"outcome\":\"made\",\"subject\":\"lab/sw\",\"source\":\"" +
           config + ":3\",\"reason\":\"\"}]}\n"},
  });
  EXPECT_EQ(Run("reg tree HKCU --json").out, before) << "a dry run changed the store";
  ExpectSteps({
      {"session import ssh-config " + config, 0,
       "made\tweb\t" + config + ":1\nmade\tlab/sw\t" + config + ":3\nmade 2, skipped 0, refused 0\n"},
      {"session import ssh-config " + changed, 0,
       "skipped\tweb\t" + changed + ":1\ta session \"web\" exists already\nmade 0, skipped 1, refused 0\n"},
      {"session import ssh-config " + changed + " --on-conflict rename", 0,
       "made\tweb\t" + changed + ":1\tstored as \"web (2)\", since the name was taken\nmade 1, skipped 0, refused 0\n"},
      {"session import ssh-config " + changed + " --on-conflict replace --into lab", 0,
       "made\tweb\t" + changed + ":1\nmade 1, skipped 0, refused 0\n"},
      {"session import ssh-config " + changed + " --on-conflict replace --into lab", 0,
       "made\tweb\t" + changed + ":1\nmade 1, skipped 0, refused 0\n"},
      // New sessions copy the default session, which the first import writes down as a host does.
      {"session ls", 0, "lab\\\nDefault\nweb\nweb (2)\n"},
      {"session ls lab", 0, "sw\nweb\n"},
  });
  EXPECT_NE(Run("session show 'web (2)'").out.find("SSH2 Port\tnumber\t3333"), std::string::npos);
  ExpectExits({
      {"session import ssh-config " + config + " --into nowhere", 1, "no folder \"nowhere\""},
      {"session import ssh-config " + m_root.File("missing"), 1, "cannot read"},
      {"session import putty " + m_root.File("missing"), 1, "no file or folder"},
      {"session import telnet-list x", 2, ""},
      {"session import ssh-config " + config + " --on-conflict merge", 2, ""},
      {"session export", 2, "say the format"},
      {"session export ssh-config a b", 2, "one folder at most"},
      {"session export --format csv nowhere", 1, "no folder \"nowhere\""},
  });
}

TEST_F(CdtoolSessionExchangeTest, ExportsCsvAndJsonWithoutSecrets) {
  ExpectSteps({
      {"session mkdir 'Lab, east'", 0, ""},
      {"session new 'Lab, east\\sw 1' --protocol Telnet --host 10.0.0.1 --port 2323 --user ops", 0, ""},
      {"session set 'Lab, east\\sw 1' 'Description=[\"rack \\\"4\\\"\",\"row 2\"]'", 0, ""},
      {"session new top --protocol SSH2 --host top.lan", 0, ""},
      {"session set top 'SSH2 Password=secret'", 0, ""},
      {"session export --format csv", 0,
       "path,terminal protocol,transfer protocol,host,port,user,description\r\n"
       "\"Lab, east\\sw 1\",Telnet,,10.0.0.1,2323,ops,\"rack \"\"4\"\"\nrow 2\"\r\n"
       "top,SSH2,,top.lan,22,,\r\n"},
      {"session export json 'Lab, east'", 0,
       "[\n  {\n    \"path\": \"Lab, east\\\\sw 1\",\n    \"terminalProtocol\": \"Telnet\",\n    "
       "\"transferProtocol\": \"\",\n    \"host\": \"10.0.0.1\",\n    \"port\": 2323,\n    \"user\": \"ops\",\n    "
       "\"description\": \"rack \\\"4\\\"\\nrow 2\"\n  }\n]\n"},
      {"session export ssh-config", 0,
       "# Sessions exported by cdtool. Passwords are not exported.\n\n# Session: top\nHost top\n  HostName top.lan\n"
       "  Port 22\n"},
  });
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
