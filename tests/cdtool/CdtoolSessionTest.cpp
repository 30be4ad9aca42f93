// `cdtool protocols` and the session verbs with the built plug-ins: what they store, what they
// refuse (changing nothing), and stores they cannot use.
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>

#include "platform/registry/Registry.h"
#include "support/CdtoolTranscript.h"
#include "support/ShownOptions.h"

namespace {

using CdtoolSessionTreeTest = CdtoolTranscriptTest;
using CdtoolSessionRefusalTest = CdtoolTranscriptTest;
using CdtoolStoreFailureTest = CdtoolTranscriptTest;

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

// A session tree built, arranged and changed step by step; every question is declined.
TEST_F(CdtoolSessionTreeTest, ArrangesTheTreeStepByStep) {
  ExpectTranscript("session_tree.txt",
                   {"session mkdir Lab", "session mkdir 'Lab\\Routers'",
                    "session new 'Lab\\core 1' --protocol ssh2 --host 10.0.0.1 --port 2222 --user me", "session new b",
                    "session new a", "session ls --tree", "session ls --alpha", "session reorder a b --before",
                    "session ls", "session cp a Lab --unique", "session cp a Lab --unique", "session cp a Lab",
                    "session mv a Lab", "session mv Lab 'Lab\\Routers'", "session mv b 'Lab\\Routers'",
                    "session rename 'Lab\\a (1)' A2", "session rename Lab lab", "session ls --tree",
                    "session rename a 'x:y'", "session new 'nowhere\\s'", "session new s --protocol Gopher",
                    "session rm lab", "session rm 'lab\\Routers' --yes", "session rm missing --yes",
                    "session ls lab --json", "session apply-default 'Title Bar=hi' 'idle string=x' --yes",
                    "session apply-default 'Title Bar' --yes", "session apply-default 'Use Title Bar=many' --yes",
                    "session set-all 'Log Multiple Sessions' 1", "session set-all X 2", "launch terminal missing",
                    "launch transfer a", "session reorder a nothing --after"},
                   "n\n");
  // The default's change reached a session, and only the options named.
  EXPECT_EQ(ShownOptions(m_runner, "lab\\A2", {"Title Bar", "Idle String", "Log Multiple Sessions", "Description"}),
            (std::vector<nlohmann::json>{"hi", "x", true, nlohmann::json::array()}));
}

TEST_F(CdtoolSessionRefusalTest, NamesOverTheLimitAreRefusedAndCaseOnlyRenamesKeepValues) {
  std::string const longest(255, 'n'), copied(252, 'c'), session(245, 's'), folder(245, 'f'), upperFolder(245, 'F');
  ExpectTranscript("session_name_limits.txt",
                   {"session new S1 --host h1", "session new " + copied, "session new " + longest + "n",
                    "session mkdir " + longest + "n", "session rename S1 " + longest + "n",
                    "session cp " + copied + " '' --unique", "session new " + longest,
                    "session new " + session + " --host h2", "session mkdir " + folder,
                    "session new '" + folder + "\\inner' --host h3",
                    "session rename " + session + " " + std::string(245, 'S'),
                    "session rename " + folder + " " + upperFolder, "session ls " + upperFolder});
  for (auto const& [path, host] : {std::pair{std::string("S1"), "h1"}, std::pair{std::string(245, 'S'), "h2"},
                                   std::pair{upperFolder + "\\inner", "h3"}})
    EXPECT_EQ(nlohmann::json::parse(Run("session show " + ShellQuoted(path) + " --json").out)["host"], host) << path;
}

// Another process holds the store's write lock throughout: each verb waits its bounded time, says
// so, and the tree stays as it was.
TEST_F(CdtoolSessionRefusalTest, VerbsWhileAnotherProcessHoldsTheStoreChangeNothing) {
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

TEST_F(CdtoolSessionRefusalTest, NewRefusesAProtocolOutsideTheProductsTable) {
  ExpectTranscript("session_new_protocols.txt",
                   {"--product korvo session new K --protocol SSH2 --host h", "session new K --protocol SSH1 --host h",
                    "--product halofyx session new K --protocol SSH2", "--product korvo session ls", "session ls",
                    "--product korvo session new K --protocol telnet --host h --port 2323"});
  nlohmann::json const k = nlohmann::json::parse(Run("--product korvo session show K --json").out);
  EXPECT_EQ(nlohmann::json::array({k["terminalProtocol"], k["host"], k["port"]}),
            nlohmann::json::array({"Telnet", "h", 2323}));
}

// A configuration store that is damaged or foreign is reported as such by every session verb,
// with exit 1: never an empty tree, a missing session or "updated N of N".
TEST_F(CdtoolStoreFailureTest, EverySessionVerbReportsADamagedStore) {
  std::pair<char const*, std::function<void(std::string const&)>> const damages[] = {
      {"truncated", [](std::string const& file) { std::filesystem::resize_file(file, 1000); }},
      {"random bytes", [](std::string const& file) {
         std::ofstream out(file, std::ios::binary | std::ios::trunc);
         for (int i = 0; i < 20000; ++i) out.put(static_cast<char>((i * 7919 + 13) % 251));
       }}};
  // Each verb exits 1, saying so, with nothing on its standard output.
  std::vector<std::string> const verbs = {
      "session ls", "session show Lab\\\\one", "session new Lab\\\\two", "session mkdir Work",
      "session set Lab\\\\one 'Title Bar=x'", "session set-all 'Use Auto Session' 1",
      "session apply-default --yes 'Title Bar=x'", "session rename Lab\\\\one uno",
      "session cp --unique Lab\\\\one Lab"};
  for (auto const& [name, damage] : damages) {
    SCOPED_TRACE(name);
    ASSERT_EQ(Run("session mkdir Lab").exitCode, 0);
    ASSERT_EQ(Run("session new Lab\\\\one --protocol Telnet --host h").exitCode, 0);
    std::string store;
    for (auto const& entry : std::filesystem::recursive_directory_iterator(m_root.Path()))
      if (store.empty() && entry.path().filename() == "config.db") store = entry.path().string();
    ASSERT_FALSE(store.empty());
    damage(store);
    ExpectTranscript("session_damaged_store.txt", verbs);
    std::filesystem::remove(store);
  }
}

}  // namespace
