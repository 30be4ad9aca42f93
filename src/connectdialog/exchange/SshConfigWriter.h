// Writes an OpenSSH client configuration with a "Host" block for every SSH2 or SFTP session:
// the alias is the session's path with '/' between folders, blanks and characters that ssh
// reads as patterns or quotes made '_', and a number added when two paths come out alike; the
// original path is kept in a comment above. Secrets are never written.
#pragma once

#include <string>
#include <vector>

#include "exchange/ExportedSession.h"

class SshConfigWriter {
 public:
  static std::string Write(std::vector<ExportedSession> const& sessions);
  static std::string Alias(std::string const& path);

 private:
  static void WriteBlock(ExportedSession const& session, std::string const& alias, std::string& text);
};
