// `cdtool session import ssh-config|putty|remmina [FILE|FOLDER] [--into FOLDER] [--dry-run]
// [--on-conflict skip|rename|replace] [--json]`: brings hosts in from another tool's files in one
// unit of work and reports what became of each entry.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include "Command.h"
#include "ProtocolTableLoader.h"
#include "exchange/ImportBatch.h"

class SessionImportCommand : public Command {
 public:
  SessionImportCommand(CLI::App& session, ProtocolTableLoader& loader);

 private:
  int Import();
  ImportBatch ReadSource() const;

  ProtocolTableLoader& m_loader;
  std::string m_format;
  std::string m_source;
  std::string m_into;
  std::string m_onConflict = "skip";
  bool m_dryRun = false;
  bool m_json = false;
};
