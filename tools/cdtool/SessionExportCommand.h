// `cdtool session export ssh-config [FOLDER] [-o FILE]` and `cdtool session export --format
// csv|json [FOLDER] [-o FILE]`: the sessions below a folder as an OpenSSH client configuration,
// a CSV table or JSON, on stdout or written atomically into FILE. Secrets are never exported.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

#include "Command.h"
#include "ProtocolTableLoader.h"
#include "exchange/ExportedSession.h"

class SessionExportCommand : public Command {
 public:
  SessionExportCommand(CLI::App& session, ProtocolTableLoader& loader);

 private:
  int Export();
  // False with `error` set when the words do not say one format and at most one folder.
  bool Resolve(std::string& format, std::string& folder, std::string& error) const;
  static std::string Render(std::string const& format, std::vector<ExportedSession> const& sessions);

  ProtocolTableLoader& m_loader;
  std::vector<std::string> m_words;
  std::string m_format;
  std::string m_output;
};
