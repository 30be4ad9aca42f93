// A stored session as this host opens it: loaded by its path, its client's command built for the
// running product's side (the terminal side for Korvo and HaloKorvo, the file-transfer side for
// HaloFyx) and started in a terminal emulator. Nothing in a session reaches a shell.
#pragma once

#include <string>

#include "clients/ClientCommand.h"

class ISessionConfig;

class HostSession {
 public:
  // The session at `path`, or the one a connection URL names, one reference for the caller; null
  // with `error` set when there is none.
  static ISessionConfig* Load(std::string const& path, std::string& error);
  // The command for the host's side; its `error` says why there is none.
  static ClientCommand CommandFor(ISessionConfig& session);
  // Starts the command in a terminal: empty when started, else why not, for a person.
  static std::string Open(ISessionConfig& session);
  // --print-command: the command on stdout and 0, else the reason on stderr and 1.
  static int PrintCommand(std::string const& path);
};
