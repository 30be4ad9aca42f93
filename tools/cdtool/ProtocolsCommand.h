// The `protocols` noun of cdtool: the protocol table as the product's host fills it, with the
// plug-ins that could not be loaded.
#pragma once

#include <CLI/CLI.hpp>

#include "ProtocolTableLoader.h"

class ProtocolsCommand {
 public:
  // Adds `protocols` to `app`.
  explicit ProtocolsCommand(CLI::App& app);

  bool Selected() const { return m_protocols->parsed(); }
  // 0 listed, 1 refused (the reason on stderr).
  int Run();

 private:
  CLI::App* m_protocols = nullptr;
  ProtocolTableLoader m_loader;
  bool m_json = false;
};
