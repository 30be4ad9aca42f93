// The `session` noun of cdtool: show a stored session with every derived and stored value,
// change its options by stored name, or show the system command that opens it. The session at PATH lives in the key "Sessions\PATH" of
// the product's store; the protocol plug-ins are loaded first, as the product's host does.
#pragma once

#include <CLI/CLI.hpp>

#include <memory>
#include <string>
#include <vector>

#include "Command.h"
#include "ProtocolTableLoader.h"

class SessionConfig;
class VProfileStore;

class SessionCommand : public Command {
 public:
  // Adds `session` and its verbs to `app`.
  explicit SessionCommand(CLI::App& app);

  // The noun's protocol table loader (its --plugins option), shared with the tree verbs.
  ProtocolTableLoader& Loader() { return m_loader; }
  // Loads the plug-ins, then runs the chosen verb: 0 done, 1 refused (the reason on stderr);
  // nothing is written when refused.
  int Run() override;

 private:
  int Show();
  int Set();
  int ClientCommandOf();
  int Open();
  // The session at m_path read from `store`; false with the refusal printed when there is none.
  bool Load(VProfileStore& store, std::unique_ptr<SessionConfig>& session);

  ProtocolTableLoader m_loader;
  std::string m_path;
  std::vector<std::string> m_assignments;
  bool m_json = false;
  bool m_transfer = false;
};
