// The `protocols` noun of cdtool: the protocol table as the product's host fills it, with the
// plug-ins that could not be loaded.
#pragma once

#include <CLI/CLI.hpp>

#include "Command.h"
#include "ProtocolTableLoader.h"

class ProtocolsCommand : public Command {
 public:
  // Adds `protocols` to `app`.
  explicit ProtocolsCommand(CLI::App& app);

 private:
  // 0 listed, 1 refused (the reason on stderr).
  int List();

  ProtocolTableLoader m_loader;
  bool m_json = false;
};
