// The `firewall` noun of cdtool: list, show, add and remove the named firewalls of the
// product's store.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

class FirewallCommand {
 public:
  explicit FirewallCommand(CLI::App& app);

  bool Selected() const { return m_firewall->parsed(); }
  // 0 done, 1 refused (the reason on stderr), 2 usage error.
  int Run();

 private:
  int List() const;
  int Show() const;
  int Add() const;
  int Remove() const;

  CLI::App* m_firewall = nullptr;
  CLI::App* m_ls = nullptr;
  CLI::App* m_show = nullptr;
  CLI::App* m_add = nullptr;
  CLI::App* m_rm = nullptr;
  std::string m_name;
  std::string m_type;
  std::string m_host;
  int m_port = 0;
  std::string m_user;
  std::string m_prompt;
  std::string m_command;
  bool m_passwordFromStdin = false;
  bool m_json = false;
};
