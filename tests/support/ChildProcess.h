// A forked child that does one piece of work and exits 0 when it succeeded, and the exit code
// the parent waits for.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

inline pid_t ForkChild(std::function<bool()> const& work) {
  pid_t const child = fork();
  if (child == 0) _exit(work() ? 0 : 1);
  return child;
}

// -1 when the child did not exit, as when it was killed.
inline int ExitOf(pid_t child) {
  int status = 0;
  return waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
