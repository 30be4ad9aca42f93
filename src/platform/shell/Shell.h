// The desktop shell: opening a document, a web address or a program the way the user's
// desktop opens it. Called from the host's user-interface thread; never blocks on the opened
// program.
#pragma once

#include <string>
#include <vector>

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens `target` with the verb "open"; false when nothing could be started.
  virtual bool Open(std::string const& target) = 0;
  // Starts `program` (a path, or a name looked up in PATH) with `arguments` as its argument
  // vector, never through a command interpreter; false when it could not be started.
  virtual bool Start(std::string const& program, std::vector<std::string> const& arguments) = 0;
};

// The process's shell: the desktop's until a host or a test installs another.
Shell& GetShell();
// Installs `shell` (not owned); null restores the desktop's.
void SetShell(Shell* shell);
