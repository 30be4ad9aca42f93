// cdtool session verbs that cannot do what was asked say so and change nothing: names too long
// for the store, a store another process holds, a protocol the product has not.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "platform/registry/Registry.h"
#include "support/CdtoolRunner.h"

namespace {

using CdtoolSessionRefusalTest = CdtoolTest;

std::string Quoted(std::string const& text) { return "'" + text + "'"; }

TEST_F(CdtoolSessionRefusalTest, NamesOverTheLimitAreRefusedAndCaseOnlyRenamesKeepValues) {
  std::string const longest(255, 'n');
  std::string const session(245, 's');
  std::string const folder(245, 'f');
  std::string const upperFolder(245, 'F');
  ASSERT_EQ(Run("session new S1 --host h1").exitCode, 0);
  ASSERT_EQ(Run("session new " + Quoted(std::string(252, 'c'))).exitCode, 0);
  ExpectExits({
      {"session new " + Quoted(longest + "n"), 1, "too long: a name has at most 255 bytes, this one 256"},
      {"session mkdir " + Quoted(longest + "n"), 1, "too long"},
      {"session rename S1 " + Quoted(longest + "n"), 1, "too long"},
      {"session cp " + Quoted(std::string(252, 'c')) + " '' --unique", 1, "the copy cannot be named"},
      {"session new " + Quoted(longest), 0, ""},
  });
  ExpectSteps({
      {"session new " + Quoted(session) + " --host h2", 0, ""},
      {"session mkdir " + Quoted(folder), 0, ""},
      {"session new " + Quoted(folder + "\\inner") + " --host h3", 0, ""},
      {"session rename " + Quoted(session) + " " + Quoted(std::string(245, 'S')), 0, ""},
      {"session rename " + Quoted(folder) + " " + Quoted(upperFolder), 0, ""},
      {"session ls " + Quoted(upperFolder), 0, "inner\n"},
  });
  for (auto const& [path, host] : {std::pair{std::string("S1"), "h1"}, std::pair{std::string(245, 'S'), "h2"},
                                   std::pair{upperFolder + "\\inner", "h3"}}) {
    CdtoolResult const shown = Run("session show " + Quoted(path) + " --json");
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_EQ(nlohmann::json::parse(shown.out)["host"], host) << path;
  }
}

// Another process holds the store's write lock throughout: each verb waits its bounded time, says
// so, and the tree stays as it was.
TEST_F(CdtoolSessionRefusalTest, VerbsWhileAnotherProcessHoldsTheStoreChangeNothing) {
  ASSERT_EQ(Run("session mkdir F").exitCode, 0);
  ASSERT_EQ(Run("session new S1").exitCode, 0);
  int ready[2];
  int release[2];
  ASSERT_EQ(pipe(ready), 0);
  ASSERT_EQ(pipe(release), 0);
  pid_t const child = fork();
  if (child == 0) {
    close(release[1]);
    HKEY root = nullptr;
    RegOpenHiveFile(m_root.File("user/HaloKorvo/config.db").c_str(), &root);
    RegBeginUnitOfWork(root, true);
    unsigned char const one[4] = {1, 0, 0, 0};
    bool const held = RegSetValueEx(root, "held", 0, REG_DWORD, one, 4) == ERROR_SUCCESS;
    char signal = held ? 'y' : 'n';
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
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  for (CdtoolResult const& result : results) {
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("the store is locked by another process"), std::string::npos) << result.err;
  }
  EXPECT_EQ(Run("session ls --tree").out, "F\\\nS1\n");
  EXPECT_EQ(Run("session show S1 --json").out.find("2222"), std::string::npos);
}

TEST_F(CdtoolSessionRefusalTest, NewRefusesAProtocolOutsideTheProductsTable) {
  ExpectExits({
      {"--product korvo session new K --protocol SSH2 --host h", 1, "\"SSH2\" is not a protocol of this product"},
      {"session new K --protocol SSH1 --host h", 1, "\"SSH1\" is not a protocol of this product"},
      {"--product halofyx session new K --protocol SSH2", 1, "is not a protocol of this product"},
  });
  EXPECT_EQ(Run("--product korvo session ls").out.find('K'), std::string::npos);
  EXPECT_EQ(Run("session ls").out.find('K'), std::string::npos);
  ASSERT_EQ(Run("--product korvo session new K --protocol telnet --host h --port 2323").exitCode, 0);
  nlohmann::json const shown = nlohmann::json::parse(Run("--product korvo session show K --json").out);
  EXPECT_EQ(shown["terminalProtocol"], "Telnet");
  EXPECT_EQ(shown["host"], "h");
  EXPECT_EQ(shown["port"], 2323);
}

}  // namespace
