#include "FirewallCommand.h"

#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

#include "CommandOutput.h"
#include "JsonOutput.h"
#include "VStringReceiver.h"
#include "session/FirewallConfig.h"
#include "session/FirewallStore.h"
#include "session/FirewallType.h"

namespace {

// A type given by its stored name or the name users see, in any letter case.
FirewallType const* TypeNamed(std::string const& text) {
  if (FirewallType const* type = FirewallType::FromStoredName(text, true)) return type;
  for (FirewallType const& type : FirewallType::All()) {
    std::string const shown = type.displayName;
    if (shown.size() == text.size() &&
        std::equal(shown.begin(), shown.end(), text.begin(), [](char a, char b) { return tolower(a) == tolower(b); }))
      return &type;
  }
  return nullptr;
}

std::string TypeList() {
  std::string list;
  for (FirewallType const& type : FirewallType::All()) list += std::string(list.empty() ? "" : ", ") + type.storedName;
  return list;
}

std::string Received(FirewallConfig const& firewall, bool password) {
  VStringReceiver text;
  bool const given = password ? firewall.GetFirewallPassword(&text) : firewall.GetFirewallUsername(&text);
  return given ? std::string(text.GetString()) : std::string();
}

nlohmann::ordered_json ToJson(FirewallConfig& firewall) {
  return {{"name", firewall.GetFirewallName().Str()},
          {"type", firewall.GetFirewallType().Str()},
          {"typeName", firewall.GetFirewallTypeDisplayName() ? firewall.GetFirewallTypeDisplayName() : ""},
          {"host", firewall.GetFirewallHostname().Str()},
          {"port", firewall.GetFirewallPort()},
          {"user", Received(firewall, false)},
          {"passwordSet", !Received(firewall, true).empty()},
          {"prompt", firewall.GetFirewallPrompt().Str()},
          {"command", firewall.GetFirewallCommand().Str()}};
}

}  // namespace

FirewallCommand::FirewallCommand(CLI::App& app) {
  CLI::App* firewall = app.add_subcommand("firewall", "List, show, add and remove named firewalls");
  firewall->require_subcommand(1);
  CLI::App* ls = AddVerb(*firewall, "ls", "The firewalls' names; \"None\" (a direct connection) always first",
                         [this] { return List(); });
  ls->add_flag("--json", m_json, "Print [\"None\", ...]");
  CLI::App* show = AddVerb(*firewall, "show", "One firewall's settings (the password only as set or not)",
                           [this] { return Show(); });
  show->add_option("NAME", m_name, "The firewall's name")->required();
  show->add_flag("--json", m_json,
                 "Print {\"name\",\"type\",\"typeName\",\"host\",\"port\",\"user\",\"passwordSet\",\"prompt\","
                 "\"command\"}");
  CLI::App* add = AddVerb(*firewall, "add", "Define a new firewall", [this] { return Add(); });
  add->add_option("NAME", m_name, "The new firewall's name")->required();
  add->add_option("--type", m_type, "The kind: " + TypeList())->required();
  add->add_option("--host", m_host, "The firewall's host name or address")->required();
  add->add_option("--port", m_port, "The firewall's port")->required()->check(CLI::Range(1, 65535));
  add->add_option("--user", m_user, "The user name the firewall asks for");
  add->add_flag("--password-stdin", m_passwordFromStdin, "Read the password from the first line of standard input");
  add->add_option("--prompt", m_prompt, "The prompt the firewall shows");
  add->add_option("--command", m_command, "The command sent to the firewall");
  CLI::App* rm = AddVerb(*firewall, "rm", "Remove a firewall; sessions naming it fall back to a direct connection",
                         [this] { return Remove(); });
  rm->add_option("NAME", m_name, "The firewall's name")->required();
}

int FirewallCommand::List() const {
  CStringList names;
  FirewallStore::GetFirewallNames(names);
  nlohmann::ordered_json json = nlohmann::ordered_json::array();
  std::string text;
  for (POSITION position = names.GetHeadPosition(); position;) {
    CString const& name = names.GetNext(position);
    json.push_back(name.Str());
    text += name.Str() + "\n";
  }
  return CommandOutput::Print(m_json ? JsonOutput::Dump(json) + "\n" : text);
}

int FirewallCommand::Show() const {
  std::unique_ptr<FirewallConfig> firewall(FirewallStore::LookupFirewall(m_name.c_str()));
  if (!firewall) return CommandOutput::Refuse("no such firewall: " + m_name);
  nlohmann::ordered_json const shown = ToJson(*firewall);
  return CommandOutput::Print(m_json ? JsonOutput::Dump(shown) + "\n" : JsonOutput::FieldLines(shown));
}

int FirewallCommand::Add() const {
  if (FirewallStore::IsDirectName(m_name.c_str()))
    return CommandOutput::Refuse("\"" + m_name +
                                 "\" cannot name a firewall: \"None\", in any letter case, is the direct connection");
  FirewallType const* type = TypeNamed(m_type);
  if (!type) return CommandOutput::Usage("unknown firewall type: " + m_type + " (one of: " + TypeList() + ")");
  if (FirewallStore::FirewallExists(m_name.c_str())) return CommandOutput::Refuse(m_name + " already exists");
  std::string password;
  if (m_passwordFromStdin && !std::getline(std::cin, password)) password.clear();
  FirewallConfig firewall(m_name.c_str(), nullptr);
  firewall.SetFirewallType(type->storedName);
  firewall.SetFirewallHostname(m_host);
  firewall.SetFirewallPort(static_cast<unsigned short>(m_port));
  firewall.SetFirewallUsername(m_user);
  firewall.SetFirewallPassword(password);
  firewall.SetFirewallPrompt(m_prompt);
  firewall.SetFirewallCommand(m_command);
  if (!FirewallStore::SaveFirewall(&firewall, true))
    return CommandOutput::Refuse("cannot store the firewall " + m_name + " (a refused name, or the store is not writable)");
  return 0;
}

int FirewallCommand::Remove() const {
  if (m_name == FirewallStore::kDirectName) return CommandOutput::Refuse("\"None\" is a direct connection and stays");
  if (!FirewallStore::DeleteFirewall(m_name.c_str())) return CommandOutput::Refuse("no such firewall: " + m_name);
  return 0;
}
