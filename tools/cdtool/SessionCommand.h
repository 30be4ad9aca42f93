// The `session` noun of cdtool: show a stored session with every derived and stored value, or
// change its options by stored name. The session at PATH lives in the key "Sessions\PATH" of
// the product's store; the protocol plug-ins are loaded first, as the product's host does.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

#include "ProtocolTableLoader.h"

class SessionConfig;

class SessionCommand {
 public:
  // Adds `session` and its verbs to `app`.
  explicit SessionCommand(CLI::App& app);

  bool Selected() const { return m_session->parsed(); }
  // 0 done, 1 refused (the reason on stderr); nothing is written when refused.
  int Run();

 private:
  int Show();
  int Set();

  CLI::App* m_session = nullptr;
  CLI::App* m_show = nullptr;
  CLI::App* m_set = nullptr;
  ProtocolTableLoader m_loader;
  std::string m_path;
  std::vector<std::string> m_assignments;
  bool m_json = false;
};
