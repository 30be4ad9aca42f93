// The `filetypes` noun of cdtool: list, show, add and remove the host's stored file types.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

#include "Command.h"

class FileTypesCommand : public Command {
 public:
  // Adds `filetypes` and its verbs to `app`.
  explicit FileTypesCommand(CLI::App& app);

 private:
  int List();
  int Show();
  int Add();
  int Remove();
  // 0 when a fresh load has (or lacks) the type `m_name`, else a refusal.
  int Verified(bool present) const;

  CLI::App* m_filetypes = nullptr;
  std::string m_name;
  std::vector<std::string> m_extensions;
  int m_transfer = 0;
  int m_openAction = 1;
  bool m_json = false;
};
