// `cdtool protocols` and the session verbs with the built plug-ins: what they store, what they
// refuse (changing nothing), stores they cannot use, and import and export of other tools' files.
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <nlohmann/json.hpp>

#include "platform/registry/Registry.h"
#include "support/CdtoolTranscript.h"
#include "support/CommandOutput.h"
#include "support/ShownOptions.h"

namespace {

using CdtoolSessionVerbTest = CdtoolTranscriptTest;

class CdtoolSessionTest : public CdtoolTranscriptTest {
 protected:
  // The product's store lives in its configuration folder; `reg set` reaches it as a hive file.
  CdtoolSessionTest() { Run("reg set " + Key("Work\\Box") + " 'Protocol Name' --sz Telnet"); }

  std::string Key(std::string const& path) const { return "'FILE:" + m_store + "\\Sessions\\" + path + "'"; }
  std::vector<nlohmann::json> Options(std::vector<std::string> const& names) const {
    return ShownOptions(m_runner, "Work\\Box", names);
  }

  std::string const m_store = nlohmann::json::parse(Run("global show --json").out)["store"];
};

TEST_F(CdtoolSessionTest, ProtocolsAreTheProductsRowsAndNone) {
  nlohmann::json const listed = nlohmann::json::parse(Run("protocols --json").out);
  std::string names;
  for (auto const& entry : listed["protocols"]) names += entry["protocol"].get<std::string>() + " ";
  EXPECT_EQ(names + listed["missing"].dump(), "SSH2 Telnet RLogin Serial TAPI None []");
  EXPECT_EQ(Run("--product halofyx protocols").out.substr(0, 7), "0\tSFTP\t");
  EXPECT_EQ(Run("protocols --plugins " + m_root.Path()).exitCode, 1);
}

TEST_F(CdtoolSessionTest, ShowDerivesFromTheStoredSession) {
  Run("reg set " + Key("Work\\Box") + " Hostname --sz box.example");
  nlohmann::json const s = nlohmann::json::parse(Run("session show 'Work\\Box' --json").out);
  EXPECT_EQ(nlohmann::json::array({s["name"], s["terminalProtocol"], s["port"], s["commandLine"], s["description"]}),
            nlohmann::json::array({"Box", "Telnet", 23, "/S \"Work\\Box\"", "Hostname: box.example"}));
  EXPECT_EQ(Run("session show 'Work\\None'").exitCode, 1);
}

// Forms and refusals of single values are in CdtoolOptionInputTest; this is what a whole
// command does: protocol first, all or nothing, secrets stored encoded and shown masked.
TEST_F(CdtoolSessionTest, SetTakesTheProtocolFirstAndIsAllOrNothing) {
  for (std::string const refused : {"'Idle Timeout=120' 'Idle Check=maybe'", "'Idle Timeout=120' 'No Such Option=1'",
                                    "'Protocol Name=SFTP' 'Idle Timeout=120'", "'Idle Timeout'"}) {
    EXPECT_EQ(Run("session set 'Work\\Box' " + refused).exitCode, 1) << refused;
    EXPECT_EQ(Options({"Idle Timeout"})[0], 300) << refused;
  }
  CdtoolResult const set =
      Run("session set 'Work\\Box' 'SSH2 Port=2222' 'idle timeout=120' 'Login Script=hi' 'Protocol Name=ssh2'");
  ASSERT_EQ(set.exitCode, 0) << set.err;
  EXPECT_EQ(Options({"Idle Timeout", "Protocol Name", "SSH2 Port", "Login Script"}),
            (std::vector<nlohmann::json>{120, "SSH2", 2222, "********"}));
  std::string const stored = Run("reg get " + Key("Work\\Box") + " 'Login Script'").out;
  EXPECT_EQ(stored.find("hi"), std::string::npos);
  // The mask fed back keeps the secret.
  ASSERT_EQ(Run("session set 'Work\\Box' 'Login Script=********' 'Idle Timeout=60'").exitCode, 0);
  EXPECT_EQ(Run("reg get " + Key("Work\\Box") + " 'Login Script'").out, stored);
  EXPECT_EQ(Options({"Idle Timeout"})[0], 60);
}

// The tool starts the library as the product's host does, so that sessions keep what that host
// keeps: a Gatehold session stays Gatehold through every verb that saves it.
TEST_F(CdtoolSessionTest, EverySessionVerbKeepsAGateholdSessionGatehold) {
  ExpectSteps({{"session mkdir Lab", 0, ""}, {"session mkdir Other", 0, ""},
               {"session new 'Lab\\Gate' --protocol Telnet --host gate.example", 0, ""},
               {"reg set " + Key("Lab\\Gate") + " Emulation --sz Gatehold", 0, ""}});
  // The values the emulation decides, as the registry holds them.
  auto const stored = [this](std::string const& path) {
    std::string values;
    for (char const* name : {"Emulation", "ANSI Color", "Keymap Name"})
      values += Run("reg get " + Key(path) + " '" + name + "' --json").out;
    return values;
  };
  std::string const before = stored("Lab\\Gate");
  ASSERT_NE(before.find("\"data\":\"Gatehold\""), std::string::npos) << before;
  for (auto const& [verb, savedAt] : {std::pair{"session set 'Lab\\Gate' 'Idle Timeout=120'", "Lab\\Gate"},
                                      {"session cp 'Lab\\Gate' Other", "Other\\Gate"},
                                      {"session mv 'Other\\Gate' ''", "Gate"}, {"session rename Gate Moved", "Moved"},
                                      {"session apply-default 'Idle Timeout=77' --yes", "Lab\\Gate"}}) {
    CdtoolResult const result = Run(verb);
    ASSERT_EQ(result.exitCode, 0) << verb << "\n" << result.err;
    EXPECT_EQ(stored(savedAt), before) << verb;
  }
  EXPECT_EQ(stored("Moved"), before) << "apply-default visits every session";
}

TEST_F(CdtoolSessionVerbTest, ArrangesTheTreeStepByStep) {
  ExpectTranscriptFile("session_tree.txt", "n\n");
  // The default's change reached a session, and only the options named.
  EXPECT_EQ(ShownOptions(m_runner, "lab\\A2", {"Title Bar", "Idle String", "Log Multiple Sessions", "Description"}),
            (std::vector<nlohmann::json>{"hi", "x", true, nlohmann::json::array()}));
}

// That refusals and case-only renames keep every value is SessionDatabaseHiveTest's to check.
TEST_F(CdtoolSessionVerbTest, NamesOverTheLimitAreRefusedAndCaseOnlyRenamesAreTaken) {
  ExpectTranscriptFile("session_name_limits.txt");
}

// Another process holds the store's write lock throughout: each verb waits its bounded time, says
// so, and the tree stays as it was.
TEST_F(CdtoolSessionVerbTest, VerbsWhileAnotherProcessHoldsTheStoreChangeNothing) {
  ASSERT_EQ(Run("session mkdir F").exitCode, 0);
  ASSERT_EQ(Run("session new S1").exitCode, 0);
  int ready[2], release[2];
  ASSERT_TRUE(pipe(ready) == 0 && pipe(release) == 0);
  pid_t const child = fork();
  if (child == 0) {
    close(release[1]);
    HKEY root = nullptr;
    RegOpenHiveFile(m_root.File("user/HaloKorvo/config.db").c_str(), &root);
    RegBeginUnitOfWork(root, true);
    unsigned char const one[4] = {1, 0, 0, 0};
    char signal = RegSetValueEx(root, "held", 0, REG_DWORD, one, 4) == ERROR_SUCCESS ? 'y' : 'n';
    bool const told = write(ready[1], &signal, 1) == 1;
    bool const released = read(release[0], &signal, 1) >= 0;
    _exit(told && released ? 0 : 1);
  }
  close(release[0]);
  char signal = 0;
  ASSERT_EQ(read(ready[0], &signal, 1), 1);
  ASSERT_EQ(signal, 'y');
  std::vector<CdtoolResult> results;
  for (char const* verb : {"session mv S1 F", "session set S1 'SSH2 Port=2222'", "session new S2"})
    results.push_back(Run(verb));
  close(release[1]);
  ASSERT_EQ(waitpid(child, nullptr, 0), child);
  for (CdtoolResult const& result : results) {
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("the store is locked by another process"), std::string::npos) << result.err;
  }
  EXPECT_EQ(Run("session ls --tree").out, "F\\\nS1\n");
  EXPECT_EQ(Run("session show S1 --json").out.find("2222"), std::string::npos);
}

TEST_F(CdtoolSessionVerbTest, NewRefusesAProtocolOutsideTheProductsTable) {
  ExpectTranscriptFile("session_new_protocols.txt");
  nlohmann::json const k = nlohmann::json::parse(Run("--product korvo session show K --json").out);
  EXPECT_EQ(nlohmann::json::array({k["terminalProtocol"], k["host"], k["port"]}),
            nlohmann::json::array({"Telnet", "h", 2323}));
}

// A configuration store that is damaged or foreign is reported as such by every session verb,
// with exit 1: never an empty tree, a missing session or "updated N of N".
TEST_F(CdtoolSessionVerbTest, EverySessionVerbReportsADamagedStore) {
  std::pair<char const*, std::function<void(std::string const&)>> const damages[] = {
      {"truncated", [](std::string const& file) { std::filesystem::resize_file(file, 1000); }},
      {"random bytes", [](std::string const& file) {
         std::ofstream out(file, std::ios::binary | std::ios::trunc);
         for (int i = 0; i < 20000; ++i) out.put(static_cast<char>((i * 7919 + 13) % 251));
       }}};
  for (auto const& [name, damage] : damages) {
    SCOPED_TRACE(name);
    ASSERT_EQ(Run("session mkdir Lab").exitCode, 0);
    ASSERT_EQ(Run("session new Lab\\\\one --protocol Telnet --host h").exitCode, 0);
    std::string store;
    for (auto const& entry : std::filesystem::recursive_directory_iterator(m_root.Path()))
      if (store.empty() && entry.path().filename() == "config.db") store = entry.path().string();
    ASSERT_FALSE(store.empty());
    damage(store);
    ExpectTranscriptFile("session_damaged_store.txt");
    std::filesystem::remove(store);
  }
}

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
  WriteFile("config", "Host web\n  Port 2222\nHost lab/sw\n");
  WriteFile("changed", "Host web\n  Port 3333\n");
  std::string const before = Run("reg tree HKCU --json").out;
  ExpectTranscriptFile("import_dry_run.txt");
  EXPECT_EQ(Run("reg tree HKCU --json").out, before) << "a dry run changed the store";
  // New sessions copy the default session, which the first import writes down as a host does.
  ExpectTranscriptFile("import_conflicts.txt");
  EXPECT_NE(Run("session show 'web (2)'").out.find("SSH2 Port\tnumber\t3333"), std::string::npos);
}

TEST_F(CdtoolSessionExchangeTest, ExportsCsvAndJsonWithoutSecrets) {
  ExpectTranscriptFile("export.txt");
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
