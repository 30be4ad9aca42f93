#include "FirewallCommand.h"

#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

#include "CommandOutput.h"
#include "VStringReceiver.h"
#include "database/FirewallStore.h"
#include "session/FirewallConfig.h"
#include "session/FirewallType.h"

namespace {

std::string Dump(nlohmann::ordered_json const& document) {
  return document.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

std::string TypeNames() {
  std::string names;
  for (FirewallType const& type : FirewallType::All()) names += std::string(names.empty() ? "" : ", ") + type.storedName;
  return names;
}

}  // namespace

FirewallCommand::FirewallCommand(CLI::App& app) {
  m_firewall = app.add_subcommand("firewall", "List, show, add and remove firewall definitions");
  m_firewall->require_subcommand(1);
  m_ls = m_firewall->add_subcommand("ls", "The firewalls' names, \"None\" first");
  m_ls->add_flag("--json", m_json, "Print {\"firewalls\":[names]}");
  m_show = m_firewall->add_subcommand("show", "One firewall's settings (never its password)");
  m_show->add_option("NAME", m_name, "The firewall")->required();
  m_show->add_flag("--json", m_json, "Print {\"name\",\"type\",\"typeName\",\"host\",\"port\",\"user\",\"hasPassword\"}");
  m_add = m_firewall->add_subcommand("add", "Define a new firewall");
  m_add->add_option("NAME", m_name, "The new firewall's name")->required();
  m_add->add_option("--type", m_type, "The stored type name: " + TypeNames())->required();
  m_add->add_option("--host", m_host, "The proxy's host")->required();
  m_add->add_option("--port", m_port, "The proxy's port")->required()->check(CLI::Range(0, 65535));
  m_add->add_option("--user", m_user, "The user name on the proxy");
  m_add->add_flag("--password-stdin", m_passwordFromStdin, "Read the proxy password from the first line of stdin");
  auto* rm = m_firewall->add_subcommand("rm", "Remove a firewall");
  rm->add_option("NAME", m_name, "The firewall")->required();
}

int FirewallCommand::Run() {
  if (m_ls->parsed()) return List();
  if (m_show->parsed()) return Show();
  if (m_add->parsed()) return Add();
  return Remove();
}

int FirewallCommand::List() const {
  CStringList names;
  FirewallStore::GetFirewallNames(names);
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  std::string text;
  for (POSITION p = names.GetHeadPosition(); p;) {
    std::string const& name = names.GetNext(p).Str();
    list.push_back(name);
    text += name + "\n";
  }
  return CommandOutput::Print(m_json ? Dump({{"firewalls", list}}) : text);
}

int FirewallCommand::Show() const {
  std::unique_ptr<FirewallConfig> firewall(FirewallStore::LookupFirewall(m_name));
  if (!firewall) return CommandOutput::Refuse("no firewall \"" + m_name + "\"");
  VStringReceiver user;
  VStringReceiver password;
  firewall->GetFirewallUsername(&user);
  firewall->GetFirewallPassword(&password);
  nlohmann::ordered_json const document{{"name", m_name},
                                        {"type", firewall->GetFirewallType().Str()},
                                        {"typeName", firewall->GetFirewallTypeDisplayName()},
                                        {"host", firewall->GetFirewallHostname().Str()},
                                        {"port", firewall->GetFirewallPort()},
                                        {"user", user.Text().Str()},
                                        {"hasPassword", password.GetLength() > 0}};
  if (m_json) return CommandOutput::Print(Dump(document));
  std::string text;
  for (auto const& [key, value] : document.items())
    text += key + ": " + (value.is_string() ? value.get<std::string>() : value.dump()) + "\n";
  return CommandOutput::Print(text);
}

int FirewallCommand::Add() {
  FirewallType const* type = FirewallType::FromStoredName(m_type, true);
  if (!type) return CommandOutput::Refuse("\"" + m_type + "\" is not a firewall type; the types are " + TypeNames());
  if (FirewallStore::FirewallExists(m_name)) return CommandOutput::Refuse("a firewall \"" + m_name + "\" already exists");
  FirewallConfig firewall(m_name, nullptr);
  firewall.SetFirewallType(type->storedName);
  firewall.SetFirewallHostname(m_host);
  firewall.SetFirewallPort(static_cast<unsigned short>(m_port));
  if (m_user) firewall.SetFirewallUsername(*m_user);
  if (m_passwordFromStdin) {
    VString password;
    password.SetSensitive();
    std::string line;
    std::getline(std::cin, line);
    password = VString(line.data(), line.size());
    std::fill(line.begin(), line.end(), '\0');
    firewall.SetFirewallPassword(password);
  }
  if (!FirewallStore::SaveFirewall(&firewall, true))
    return CommandOutput::Refuse("\"" + m_name + "\" cannot be stored as a firewall name");
  return 0;
}

int FirewallCommand::Remove() const {
  if (!FirewallStore::DeleteFirewall(m_name)) return CommandOutput::Refuse("no firewall \"" + m_name + "\" to remove");
  return 0;
}
