// The `sync` noun of cdtool: show the file-transfer host's synchronisation tasks.
#pragma once

#include <CLI/CLI.hpp>

#include "Command.h"

class SyncCommand : public Command {
 public:
  // Adds `sync` and its verb to `app`.
  explicit SyncCommand(CLI::App& app);

 private:
  // Shows the profile of the installed profile store: 0 done, 1 when stdout cannot be written.
  int Show();

  bool m_json = false;
};
