// The `filetypes` noun of cdtool: list, show, add and remove the host's stored file types.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <utility>
#include <vector>

class FileTypesCommand {
 public:
  // Adds `filetypes` and its verbs to `app`.
  explicit FileTypesCommand(CLI::App& app);

  bool Selected() const { return m_filetypes->parsed(); }
  // Runs the verb that was parsed on the installed profile store: 0 done, 1 refused, 2 usage error.
  int Run();

 private:
  using Verb = int (FileTypesCommand::*)();

  CLI::App* AddVerb(std::string const& name, std::string const& description, Verb verb);
  int List();
  int Show();
  int Add();
  int Remove();
  // 0 when a fresh load has (or lacks) the type `m_name`, else a refusal.
  int Verified(bool present) const;

  CLI::App* m_filetypes = nullptr;
  std::vector<std::pair<CLI::App*, Verb>> m_verbs;
  std::string m_name;
  std::vector<std::string> m_extensions;
  int m_transfer = 0;
  int m_openAction = 1;
  bool m_json = false;
};
