// cdhost as users and sibling hosts start it: --print-command gives what `cdtool session command`
// gives, and "/S PATH" opens exactly that session's client, each value one argument, with
// nothing in the path reaching a shell. A fake terminal ($TERMINAL) reports its argument vector
// through a FIFO, so the test waits on it instead of sleeping.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "support/CdtoolTranscript.h"
#include "support/CommandOutput.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

extern char** environ;

namespace {

// What arrived on `fd` until it closed or `seconds` passed; stops early once it holds `until`.
std::string ReadUntilClosed(int fd, int seconds, std::string const& until = "") {
  std::string text;
  for (int waited = 0; waited < seconds * 10;) {
    pollfd ready{fd, POLLIN, 0};
    if (poll(&ready, 1, 100) == 0) {
      ++waited;
      continue;
    }
    char buffer[4096];
    ssize_t const n = read(fd, buffer, sizeof buffer);
    if (n > 0) text.append(buffer, static_cast<size_t>(n));
    if (n == 0 && (ready.revents & POLLHUP)) break;
    if (!until.empty() && text.find(until) != std::string::npos) break;
  }
  return text;
}

class CdhostTest : public CdtoolTest {
 protected:
  CdhostTest() {
    WriteFileBytes(bin / "ssh", "#!/bin/sh\n");
    WriteFileBytes(bin / "sftp", "#!/bin/sh\n");
    // The process that started it, then its arguments, one a line.
    WriteFileBytes(bin / "terminal",
                   "#!/bin/sh\n{ echo $PPID; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > " + record + "\n");
    for (char const* program : {"ssh", "sftp", "terminal"})
      std::filesystem::permissions(bin / program, std::filesystem::perms::owner_all);
    mkfifo(record.c_str(), 0600);
  }

  // cdhost or one of its product links, the command's first word, through the shell as CdtoolRunner runs the tool.
  CdtoolResult Host(std::string const& command) const {
    std::string const errFile = m_root.File("host-stderr.txt");
    std::string const folder = std::filesystem::path(CDHOST_PATH).parent_path().string();
    CdtoolResult result;
    result.out = CommandOutput(ShellQuoted(folder) + "/" + command + " 2>" + ShellQuoted(errFile), &result.exitCode);
    result.err = ReadFileBytes(errFile);
    return result;
  }

  // Starts cdhost with `arguments` as its argument vector, no shell, on the offscreen platform,
  // with only the test's programs in PATH; its stderr goes to `errors`.
  pid_t Spawn(std::vector<std::string> arguments, int& errors) const {
    ScopedEnv const path("PATH", bin.Path().c_str()), platform("QT_QPA_PLATFORM", "offscreen");
    ScopedEnv const terminal("TERMINAL", (bin / "terminal").c_str());
    arguments.insert(arguments.begin(), CDHOST_PATH);
    std::vector<char*> argv;
    for (std::string& each : arguments) argv.push_back(each.data());
    argv.push_back(nullptr);
    int pipeEnds[2];
    EXPECT_EQ(pipe(pipeEnds), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 2);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addchdir_np(&actions, work.Path().c_str());
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, CDHOST_PATH, &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    errors = pipeEnds[0];
    return pid;
  }

  static void Stop(pid_t pid) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
  }

  TempFolder bin;
  TempFolder work;
  std::string const record = bin / "record";
};

TEST_F(CdhostTest, PrintCommandGivesTheToolsCommandForTheProductsSide) {
  ASSERT_EQ(Run("--product halofyx session from-url 'sftp://ops@files.example:2222/srv' --save files").exitCode, 0);
  // The file's "cdtool" lines make the other sessions; a desktop's link handler gives a URL, from which a
  // terminal session is made as Quick Connect makes it, nothing stored.
  ExpectCaseFile("cdhost/print_command.txt", [this](std::string const& command) {
    return AnswerText(command.starts_with("cdtool ") ? Run(command.substr(7)) : Host(command));
  }, "$ ");
  for (std::string const path : {"'Lab $(x)\\core 1'", "jumped", "tel"})
    EXPECT_EQ(Host("cdhost --print-command " + path).out, Run("session command " + path).out) << path;
  EXPECT_EQ(Host("cdhost --print-command files --product halofyx").out,
            Run("--product halofyx session command files --transfer").out);
}

// "/S PATH" with a path no session has starts nothing; with a session's path it opens exactly that
// session's client, every value its own argument. Nothing in either path reaches a shell.
TEST_F(CdhostTest, SlashSOpensThatSessionWithEveryValueItsOwnArgument) {
  std::string const folder = "it's here; $(touch pwned) `touch pwned2`";
  ExpectSteps({{"session new tel --protocol Telnet --host t", 0, ""}, {"session mkdir " + ShellQuoted(folder), 0, ""},
               {"session new " + ShellQuoted(folder + "\\a  b") + " --protocol SSH2 --host 'h;x' --user 'o p'", 0,
                ""}});
  for (std::string const path : {"tel\" \"; $(touch pwned)", "-e", "missing"}) {
    int errors = -1;
    pid_t const host = Spawn({"/s", path}, errors);
    std::string const refusal = "cdhost: no session at \"" + path + "\"\n";
    std::string const said = ReadUntilClosed(errors, 60, refusal);
    int const fifo = open(record.c_str(), O_RDONLY | O_NONBLOCK);
    Stop(host);
    EXPECT_NE(said.find(refusal), std::string::npos) << said;
    char byte;
    EXPECT_LE(read(fifo, &byte, 1), 0) << path;
    close(fifo);
    close(errors);
  }
  int errors = -1;
  pid_t const host = Spawn({"/S", folder + "\\a  b"}, errors);
  int const fifo = open(record.c_str(), O_RDONLY | O_NONBLOCK);
  std::string const argv = ReadUntilClosed(fifo, 60);
  close(fifo);
  Stop(host);
  close(errors);
  EXPECT_EQ(argv, std::to_string(host) + "\n-e\n" + (bin / "ssh") + "\n-p\n22\n-o\nUser=o p\n--\nh;x\n");
  EXPECT_FALSE(std::filesystem::exists(work / "pwned") || std::filesystem::exists(work / "pwned2"));
}

// HaloKorvo's sibling launch (here through `cdtool launch`, as the Connect dialog's "Connect File
// Transfer" makes it) starts the program of "HaloFyx EXE Path" with /S "PATH": the cdhost-halofyx
// link opens the session's file-transfer side.
TEST_F(CdhostTest, TheSiblingLaunchStartsTheOtherProductsHostOnTheSession) {
  std::string const name = "my files; $(touch pwned)";
  std::string const program = (std::filesystem::path(CDHOST_PATH).parent_path() / "cdhost-halofyx").string();
  ExpectSteps({
      {"session new " + ShellQuoted(name) + " --protocol SSH2 --host files.example", 0, ""},
      {"--product halofyx session new " + ShellQuoted(name) + " --protocol SFTP --host files.example --port 2222 --user ops",
       0, ""},
      {"global set 'HaloFyx EXE Path' " + ShellQuoted(program), 0, ""},
  });
  ScopedEnv const terminal("TERMINAL", (bin / "terminal").c_str());
  ScopedEnv const platform("QT_QPA_PLATFORM", "offscreen");
  int const fifo = open(record.c_str(), O_RDONLY | O_NONBLOCK);
  {
    ScopedEnv const path("PATH", bin.Path().c_str());
    // The started host keeps the output it inherited: away from the pipe the runner reads to its end.
    ASSERT_EQ(Run("launch transfer " + ShellQuoted(name) + " >/dev/null").exitCode, 0);
  }
  std::string const argv = ReadUntilClosed(fifo, 60);
  close(fifo);
  pid_t const host = std::atoi(argv.c_str());
  ASSERT_GT(host, 0) << argv;
  kill(host, SIGTERM);
  EXPECT_EQ(argv.substr(argv.find('\n') + 1), "-e\n" + (bin / "sftp") + "\n-P\n2222\n-o\nUser=ops\n--\nfiles.example\n");
  EXPECT_FALSE(std::filesystem::exists("pwned"));
}

}  // namespace
