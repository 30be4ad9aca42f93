// Collects what an export writes of every session below a folder, in the user's order (folders
// first, as the Connect dialog lists them). The default session is not exported.
#pragma once

#include <string>
#include <vector>

#include "exchange/ExportedSession.h"

class SessionDatabase;
class SessionConfig;

class SessionExporter {
 public:
  // False with `error` set when `folder` ("" for the top) is not a folder.
  static bool Collect(std::string const& folder, std::vector<ExportedSession>& sessions, std::string& error);
  static ExportedSession Describe(SessionConfig& session, std::string const& path);

 private:
  static void CollectFolder(SessionDatabase& database, std::string const& folder, std::vector<ExportedSession>& out);
};
