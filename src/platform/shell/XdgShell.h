// The shell on a freedesktop.org desktop: xdg-open, started directly (no command interpreter,
// so no text of the target is ever read as a command).
#pragma once

#include "platform/shell/Shell.h"

class XdgShell : public Shell {
 public:
  bool Open(std::string const& target) override;
  // Does not wait for the program; a detached thread reaps it when it ends.
  bool Start(std::string const& program, std::vector<std::string> const& arguments) override;
};
