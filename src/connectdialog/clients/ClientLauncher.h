// Opens a session's client for the user: the client's command runs inside a terminal emulator
// (x-terminal-emulator, else the program $TERMINAL names) started through the shell service
// with "-e" and the command as separate arguments, never through a command interpreter. What is
// missing is said with the Debian package that brings it.
#pragma once

#include <functional>
#include <string>

#include "clients/ClientCommand.h"

class ClientLauncher {
 public:
  // Where a program named without a folder is installed; empty when it is not.
  using Finder = std::function<std::string(std::string const& program)>;

  // By default the programs in PATH.
  explicit ClientLauncher(Finder finder = {});

  // Empty when the terminal was started; otherwise why not, for a person.
  std::string Launch(ClientCommand const& command) const;
  // The terminal emulator's path; empty when there is none.
  std::string Terminal() const;

 private:
  Finder m_finder;
};
