// The `reg` noun of cdtool: list, read, write, delete, export and import registry keys and values.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

#include "Command.h"

class RegCommand : public Command {
 public:
  // Adds `reg` and its verbs to `app`.
  explicit RegCommand(CLI::App& app);

 private:
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

  CLI::App* m_reg = nullptr;
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
