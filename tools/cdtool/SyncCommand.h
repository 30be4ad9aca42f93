// The `sync` noun of cdtool: show the file-transfer host's synchronisation tasks.
#pragma once

#include <CLI/CLI.hpp>

class SyncCommand {
 public:
  // Adds `sync` and its verb to `app`.
  explicit SyncCommand(CLI::App& app);

  bool Selected() const { return m_sync->parsed(); }
  // Shows the profile of the installed profile store: 0 done, 1 when stdout cannot be written.
  int Run();

 private:
  CLI::App* m_sync = nullptr;
  bool m_json = false;
};
