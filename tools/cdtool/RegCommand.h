// The `reg` noun of cdtool: list, read, write, delete, export and import registry keys and values.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <utility>
#include <vector>

class RegCommand {
 public:
  // Adds `reg` and its verbs to `app`.
  explicit RegCommand(CLI::App& app);

  bool Selected() const { return m_reg->parsed(); }
  // Runs the verb that was parsed: 0 done, 1 input refused (the reason on stderr), 2 usage error.
  int Run();

 private:
  using Verb = int (RegCommand::*)();

  CLI::App* AddVerb(std::string const& name, std::string const& description, Verb verb);
  void AddKeyArgument(CLI::App* verb, std::string const& what);
  void AddLs();
  void AddGet();
  void AddSet();
  void AddDel();
  void AddTree();
  void AddExport();
  void AddImport();

  int Ls();
  int Get();
  int Set();
  int Del();
  int DelValue();
  int Tree();
  int Export();
  int Import();
  bool ReadFile(std::string const& path, std::string& bytes);
  int Print(std::string const& text) const;
  int Refuse(std::string const& reason) const;
  int Usage(std::string const& reason) const;

  CLI::App* m_reg = nullptr;
  std::vector<std::pair<CLI::App*, Verb>> m_verbs;
  std::string m_key;
  std::string m_name;
  CLI::Option* m_nameOption = nullptr;
  bool m_json = false;
  bool m_version5 = false;
  std::string m_output;
  std::string m_file;
  std::string m_into;
  std::string m_dword;
  std::string m_sz;
  std::string m_binary;
  std::vector<std::string> m_multiSz;
  CLI::Option* m_dwordOption = nullptr;
  CLI::Option* m_szOption = nullptr;
  CLI::Option* m_binaryOption = nullptr;
  CLI::Option* m_multiSzOption = nullptr;
};
