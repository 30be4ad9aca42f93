// The system program that opens one side of a session, as an argument vector that is run
// directly (never through a shell), and the Debian package that brings the program.
#pragma once

#include <string>
#include <vector>

struct ClientCommand {
  std::string program;
  // Without the program itself.
  std::vector<std::string> arguments;
  std::string package;
  // Why no client can open the side; empty when the command is complete.
  std::string error;

  // The command as one line for people: words with blanks, quotes or shell characters quoted.
  std::string Display() const;
};
