// The `firewall` noun of cdtool: the firewall definitions sessions connect through, beside the
// sessions in the product's store. "None" (a direct connection) is always listed and never
// changed. Passwords are read from standard input, stored encoded, and never printed.
#pragma once

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

class FirewallCommand {
 public:
  explicit FirewallCommand(CLI::App& app);

  bool Selected() const { return m_firewall->parsed(); }
  // 0 done, 1 refused (the reason on stderr).
  int Run();

 private:
  int List() const;
  int Show() const;
  int Add();
  int Remove() const;

  CLI::App* m_firewall = nullptr;
  CLI::App* m_ls = nullptr;
  CLI::App* m_show = nullptr;
  CLI::App* m_add = nullptr;
  std::string m_name;
  std::string m_type;
  std::string m_host;
  int m_port = 0;
  std::optional<std::string> m_user;
  bool m_passwordFromStdin = false;
  bool m_json = false;
};
