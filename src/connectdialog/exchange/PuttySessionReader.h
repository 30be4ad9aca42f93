// Reads the saved sessions of the terminal client that keeps one "Key=Value" file per session
// (its folder is ~/.putty/sessions, each file named by the session's name with %XX escapes).
// Taken over: HostName (a "user@" in it gives the user), PortNumber, Protocol (ssh, telnet,
// rlogin, serial; others are reported and skipped), UserName, PublicKeyFile, Compression,
// TerminalType, SerialLine and SerialSpeed. Its "Default Settings" are not a host and are
// skipped; a '/' in a name makes folders.
#pragma once

#include <string>

#include "exchange/ImportBatch.h"
#include "exchange/KeyValueLines.h"

class PuttySessionReader {
 public:
  // `path`: the sessions folder, or one session file.
  static ImportBatch Read(std::string const& path);
  // "%XX" escapes decoded; a '%' not followed by two hex digits is kept.
  static std::string DecodeName(std::string const& encoded);

 private:
  static void ReadOne(std::string const& file, ImportBatch& batch);
  static bool TakeProtocol(std::string const& protocol, ImportedSession& session);
  static void TakeNetwork(KeyValueLines const& values, ImportedSession& session);
};
