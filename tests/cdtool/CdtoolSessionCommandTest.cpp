// The system client's command for a session, one argument per value so that nothing a session
// holds can start another program; `session open` and `launch`, which start programs with it;
// and a session opened for real against an OpenSSH server of the test's own.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "support/CdtoolTranscript.h"
#include "support/CommandOutput.h"
#include "support/ScopedEnv.h"

namespace {

using CdtoolSessionCommandTest = CdtoolTranscriptTest;
using CdtoolLaunchTest = CdtoolTest;

// Every protocol and firewall kind, mapped or refused; a firewall removed after the session named it.
TEST_F(CdtoolSessionCommandTest, EveryProtocolAndFirewallKindBuildsItsArgumentVector) {
  ExpectTranscriptFile("session_command.txt");
}

// `open` runs the command inside the terminal emulator, each argument its own: a fake terminal
// on a PATH of the test's own records what it was given.
TEST_F(CdtoolSessionCommandTest, OpenStartsTheClientInATerminalOrNamesWhatIsMissing) {
  TempFolder bin;
  std::string const record = bin / "record";
  WriteFileBytes(bin / "x-terminal-emulator", "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > " + record +
                                                  ".part && /bin/mv " + record + ".part " + record + "\n");
  WriteFileBytes(bin / "ssh", "#!/bin/sh\n");
  for (char const* program : {"x-terminal-emulator", "ssh"})
    std::filesystem::permissions(bin / program, std::filesystem::perms::owner_all);
  ASSERT_EQ(Run("session new 'odd $(x)' --protocol SSH2 --host 'h;x' --user 'a b'").exitCode, 0);
  ASSERT_EQ(Run("session new tel --protocol Telnet --host t").exitCode, 0);
  ScopedEnv const terminal("TERMINAL", nullptr);
  ScopedEnv const path("PATH", bin.Path().c_str());
  ExpectExits({{"session open tel", 1, "\"telnet\" is not installed: install the Debian package telnet"}});
  ASSERT_EQ(Run("session open 'odd $(x)'").exitCode, 0);
  for (int wait = 0; wait < 500 && !std::filesystem::exists(record); ++wait) usleep(20000);
  EXPECT_EQ(ReadFileBytes(record), "-e\n" + (bin / "ssh") + "\n-p\n22\n-o\nUser=a b\n--\nh;x\n");
  std::filesystem::remove(bin / "x-terminal-emulator");
  ExpectExits({{"session open 'odd $(x)'", 1, "no terminal emulator to run \"ssh\" in"}});
}

// `launch` starts the sibling program named in the global options with /S and the session path
// as separate arguments, never through a shell. A fake program writes each argument in brackets
// into a FIFO, so that the test reads them once it has run, without waiting on a clock.
TEST_F(CdtoolLaunchTest, ThePathArrivesAsOneArgumentAndNothingElseRuns) {
  // Anything a shell would run from the path lands in the root, where the test looks for it.
  struct Back { std::filesystem::path previous = std::filesystem::current_path(); ~Back() { current_path(previous); } };
  Back const back;
  std::filesystem::current_path(m_root.Path());
  std::string const fifo = m_root.File("arguments");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  // It lets go of the tool's output first, so that the tool's reader sees its end.
  std::string const program = WriteFile("fake program", "#!/bin/sh\nexec >/dev/null\nfor a in \"$@\"; do printf "
                                                        "'[%s]\\n' \"$a\"; done > '" + fifo + "'\n");
  std::filesystem::permissions(program, std::filesystem::perms::owner_all);
  std::string const folder = "it's a; $(touch injected)";
  std::string const path = folder + "\\b `touch injected` ; x";
  ASSERT_EQ(Run("session mkdir " + ShellQuoted(folder)).exitCode, 0);
  ASSERT_EQ(Run("session new " + ShellQuoted(path) + " --host h").exitCode, 0);
  for (auto const& [application, option] : {std::pair{"terminal", "'HaloKorvo EXE Path'"},
                                            std::pair{"transfer", "'HaloFyx EXE Path'"}}) {
    ASSERT_EQ(Run(std::string("global set ") + option + " " + ShellQuoted(program)).exitCode, 0);
    CdtoolResult const launched = Run(std::string("launch ") + application + " " + ShellQuoted(path));
    ASSERT_EQ(launched.exitCode, 0) << launched.err;
    EXPECT_EQ(ReadFileBytes(fifo), "[/S]\n[" + path + "]\n") << application;
  }
  EXPECT_FALSE(std::filesystem::exists(m_root.File("injected")));
  ExpectExits({{"launch terminal " + ShellQuoted(folder), 1, "no session"},
               {"launch both " + ShellQuoted(path), 2, ""}});
}

constexpr char kSshd[] = "/usr/sbin/sshd";

// A loopback address; port 0 lets the kernel choose one nothing listens on.
sockaddr_in Loopback(int port) { return {AF_INET, htons(static_cast<uint16_t>(port)), {htonl(INADDR_LOOPBACK)}, {}}; }

int FreePort() {
  int const fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = Loopback(0);
  socklen_t length = sizeof address;
  bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  close(fd);
  return ntohs(address.sin_port);
}

bool Accepts(int port) {
  int const fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = Loopback(port);
  bool const accepted = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return accepted;
}

// A session opened for real: an OpenSSH server on 127.0.0.1 (throwaway host and user keys, no
// system configuration), a session stored for it, and the tool's command run in batch mode with
// a remote command whose output comes back.
class CdtoolSessionConnectTest : public CdtoolTest {
 protected:
  void SetUp() override {
    if (access(kSshd, X_OK) != 0 || std::system("ssh -V >/dev/null 2>&1") != 0)
      GTEST_SKIP() << "the OpenSSH server and client are not installed";
    // sshd run by root separates privileges through this folder, which a system without a
    // running server may lack.
    if (geteuid() == 0) std::filesystem::create_directories("/run/sshd");
    for (char const* key : {"host", "user"})
      ASSERT_EQ(CommandOutput("ssh-keygen -q -t ed25519 -N '' -f " + ShellQuoted(m_keys / key) + " 2>&1"), "");
    std::filesystem::copy_file(m_keys / "user.pub", m_keys / "authorized_keys");
    m_port = FreePort();
    WriteFileBytes(m_keys / "sshd_config",
                   "ListenAddress 127.0.0.1\nPort " + std::to_string(m_port) + "\nHostKey " + (m_keys / "host") +
                       "\nAuthorizedKeysFile " + (m_keys / "authorized_keys") +
                       "\nUsePAM no\nStrictModes no\nPasswordAuthentication no\nKbdInteractiveAuthentication no\n");
    // The client reads no one's ~/.ssh: only this file, which the jump host's connection gets too.
    WriteFileBytes(m_keys / "ssh_config", "IdentityFile " + (m_keys / "user") +
                                              "\nStrictHostKeyChecking no\nUserKnownHostsFile /dev/null\n"
                                              "BatchMode yes\nLogLevel ERROR\nConnectTimeout 20\n");
    m_server = fork();
    if (m_server == 0) {
      execl(kSshd, kSshd, "-D", "-e", "-f", (m_keys / "sshd_config").c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    for (int attempt = 0; attempt < 500 && !Accepts(m_port); ++attempt) usleep(20000);
    ASSERT_TRUE(Accepts(m_port)) << "sshd did not start";
  }

  void TearDown() override {
    if (m_server > 0 && kill(m_server, SIGTERM) == 0) waitpid(m_server, nullptr, 0);
  }

  // The tool's command for `session`, run with the test's client configuration and `remote`.
  std::string RunSession(std::string const& session, std::string const& remote) {
    CdtoolResult const built = Run("session command " + session + " --json");
    EXPECT_EQ(built.exitCode, 0) << built.err;
    nlohmann::json const command = nlohmann::json::parse(built.out);
    std::string line = ShellQuoted(command["program"]) + " -F " + ShellQuoted(m_keys / "ssh_config");
    for (nlohmann::json const& argument : command["arguments"]) line += " " + ShellQuoted(argument.get<std::string>());
    return CommandOutput(line + " " + ShellQuoted(remote) + " 2>&1");
  }

  TempFolder m_keys;
  int m_port = 0;
  pid_t m_server = -1;
};

TEST_F(CdtoolSessionConnectTest, RunsARemoteCommandDirectlyAndThroughAJumpHost) {
  passwd const* account = getpwuid(geteuid());
  std::string const user = ShellQuoted(account ? account->pw_name : "");
  std::string const port = std::to_string(m_port);
  ExpectSteps({
      {"session new direct --protocol SSH2 --host 127.0.0.1 --port " + port + " --user " + user, 0, ""},
      {"firewall add hop --type 'Jump Host' --host 127.0.0.1 --port " + port + " --user " + user, 0, ""},
      {"session new jumped --protocol SSH2 --host localhost --port " + port + " --user " + user + " --firewall hop", 0,
       ""},
  });
  EXPECT_EQ(RunSession("direct", "echo direct $((6*7))"), "direct 42\n");
  EXPECT_EQ(RunSession("jumped", "echo jumped $((6*7))"), "jumped 42\n");
}

}  // namespace
