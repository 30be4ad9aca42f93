// Runs a piece of a test in a child process that, like an ordinary user, cannot write folders it
// does not own: as root the child becomes nobody (65534, no supplementary groups), as anyone
// else it stays that user, whom file modes already stop. The child's answer comes back whole.
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <string>

inline std::optional<std::string> RunUnprivileged(std::function<std::string()> const& work) {
  constexpr uid_t kNobody = 65534;
  int channel[2];
  if (pipe(channel) != 0) return std::nullopt;
  pid_t const child = fork();
  if (child == 0) {
    close(channel[0]);
    bool const dropped = geteuid() != 0 || (setgroups(0, nullptr) == 0 && setresgid(kNobody, kNobody, kNobody) == 0 &&
                                            setresuid(kNobody, kNobody, kNobody) == 0);
    if (!dropped) _exit(1);
    std::string const answer = work();
    for (size_t sent = 0; sent < answer.size();) {
      ssize_t const n = write(channel[1], answer.data() + sent, answer.size() - sent);
      if (n <= 0) _exit(1);
      sent += static_cast<size_t>(n);
    }
    _exit(0);  // no destructors or exit handlers of the parent's test run here
  }
  close(channel[1]);
  std::string answer;
  char buffer[4096];
  for (ssize_t n; child > 0 && (n = read(channel[0], buffer, sizeof buffer)) > 0;)
    answer.append(buffer, static_cast<size_t>(n));
  close(channel[0]);
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return std::nullopt;
  return answer;
}
