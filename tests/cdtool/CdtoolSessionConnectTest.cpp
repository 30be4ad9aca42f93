// A session opened for real: an OpenSSH server of the test's own on 127.0.0.1 (throwaway host
// and user keys, no system configuration), a session stored for it, the command the host would
// run built by the tool, and that command run in batch mode with a remote command whose output
// comes back; once directly and once through a jump-host firewall on the same server.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "support/CdtoolRunner.h"
#include "support/CommandOutput.h"
#include "support/TempFolder.h"

namespace {

constexpr char kSshd[] = "/usr/sbin/sshd";

// A port nothing listens on now: the kernel's choice for a socket bound to port 0.
int FreePort() {
  int const fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  close(fd);
  return ntohs(address.sin_port);
}

bool Accepts(int port) {
  int const fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bool const accepted = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return accepted;
}

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
    if (m_server <= 0) return;
    kill(m_server, SIGTERM);
    waitpid(m_server, nullptr, 0);
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

  static std::string UserName() {
    passwd const* user = getpwuid(geteuid());
    return user ? user->pw_name : "";
  }

  TempFolder m_keys;
  int m_port = 0;
  pid_t m_server = -1;
};

TEST_F(CdtoolSessionConnectTest, RunsARemoteCommandDirectlyAndThroughAJumpHost) {
  std::string const port = std::to_string(m_port);
  std::string const user = ShellQuoted(UserName());
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
