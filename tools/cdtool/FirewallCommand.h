// The `firewall` noun of cdtool: list, show, add and remove the named firewalls of the
// product's store.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include "Command.h"

class FirewallCommand : public Command {
 public:
  explicit FirewallCommand(CLI::App& app);

 private:
  int List() const;
  int Show() const;
  int Add() const;
  int Remove() const;

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
