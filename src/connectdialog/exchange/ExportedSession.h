// What an export says of one stored session: where it is, how it connects, and its description.
// Secrets (passwords, scripts) are never part of it.
#pragma once

#include <string>

struct ExportedSession {
  // Folder names and the session's name joined by backslashes.
  std::string path;
  std::string terminalProtocol;
  std::string transferProtocol;
  std::string host;
  // The port of the SSH2 side, else of the SFTP side, else of the side that connects; -1 with none.
  int port = -1;
  std::string user;
  std::string description;
  std::string identityFile;
  bool compression = false;
  // Empty when the SSH2 record keeps its default order.
  std::string authenticationOrder;
  // The hop list of the session's firewall when it is a jump host; empty otherwise.
  std::string jump;

  bool IsSsh() const { return terminalProtocol == "SSH2" || transferProtocol == "SFTP"; }
};
