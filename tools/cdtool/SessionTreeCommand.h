// The tree verbs of cdtool's `session` noun: ls, mkdir, new, cp, mv, rename, reorder, rm,
// apply-default and set-all on the product's store, each through the session database, so
// that every folder's user-arranged order stays in step. Paths are backslash-joined names
// below the root folder ("" or omitted: the root).
#pragma once

#include <CLI/CLI.hpp>

#include <optional>
#include <string>
#include <vector>

#include "Command.h"
#include "ProtocolTableLoader.h"

class SessionConfig;

class SessionTreeCommand : public Command {
 public:
  // Adds the verbs to `session`, the noun's subcommand. Sessions are loaded and saved with the
  // protocol table that `loader` fills, so that no protocol's options are lost.
  SessionTreeCommand(CLI::App& session, ProtocolTableLoader& loader);

  // Loads the plug-ins, then runs the chosen verb: 0 done, 1 refused (the reason on stderr).
  int Run() override;

 private:
  int List();
  int MakeFolder();
  int NewSession();
  int CopyEntry();
  int MoveEntry();
  int RenameEntry();
  int ReorderEntry();
  int RemoveEntry();
  int ApplyDefault();
  int SetAll();

  // Refusal texts for a path that must name an entry, a name's own form, and a name that may be
  // created in `folder`.
  static std::optional<std::string> CheckExisting(std::string const& path);
  static std::optional<std::string> CheckName(std::string const& name);
  static std::optional<std::string> CheckNewName(std::string const& folder, std::string const& name);
  // Whether `folder` is `path` itself or lies below it.
  static bool IsWithin(std::string const& folder, std::string const& path);
  bool Confirm(std::string const& question);
  // Sets the protocol, host, port and user that `new` was given; the refusal text otherwise.
  std::optional<std::string> SetConnection(SessionConfig& session) const;

  ProtocolTableLoader& m_loader;

  std::string m_path;
  std::string m_target;
  std::string m_name;
  bool m_tree = false;
  bool m_alpha = false;
  bool m_json = false;
  bool m_unique = false;
  bool m_before = false;
  bool m_after = false;
  bool m_yes = false;
  std::optional<std::string> m_protocol;
  std::optional<std::string> m_host;
  std::optional<int> m_port;
  std::optional<std::string> m_user;
  std::optional<std::string> m_firewall;
  std::vector<std::string> m_assignments;
  int m_flag = 0;
};
