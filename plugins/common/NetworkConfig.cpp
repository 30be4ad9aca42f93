#include "NetworkConfig.h"

#include "CommandLineReader.h"
#include "CommandLineWriter.h"

NetworkConfig::NetworkConfig(VProfileKey* key, ICommonConfig* common, Protocol const& protocol)
    : m_protocol(&protocol), m_remoteHost(key, common) {}

ConnectConfig* NetworkConfig::Attached(NetworkConfig* copy, ICommonConfig* common) {
  copy->m_remoteHost.Attach(common);
  return copy;
}

void NetworkConfig::Save(VProfileKey* key, bool force) {
  m_remoteHost.Save(key, force);
  ConnectConfigRecord::Save(key, force);
}

bool NetworkConfig::IsModified() const { return ConnectConfigRecord::IsModified() || m_remoteHost.IsModified(); }

void NetworkConfig::Checkpoint() {
  m_remoteHost.Checkpoint();
  ConnectConfigRecord::Checkpoint();
}

void NetworkConfig::Rollback() {
  m_remoteHost.Rollback();
  ConnectConfigRecord::Rollback();
}

void NetworkConfig::SaveToMap(CMapStringToPtr& map) {
  m_carryOver.Offer(map, m_remoteHost->GetHostname(), m_remoteHost->GetUsername(), m_protocol->portCarryKey, m_port);
}

void NetworkConfig::LoadFromMap(CMapStringToPtr const& map) {
  VString text;
  if (CarryOver::Take(map, CarryOver::kHostname, text)) m_remoteHost->SetHostname(text);
  if (CarryOver::Take(map, CarryOver::kUsername, text)) m_remoteHost->SetUsername(text);
  int port = 0;
  if (m_protocol->portCarryKey && CarryOver::Take(map, m_protocol->portCarryKey, port)) SetPort(port);
}

void NetworkConfig::ProcessCommandLine(CStringList& arguments, POSITION& position) {
  CommandLineReader(arguments, position).Read(*this);
}

CString NetworkConfig::CommandLine() {
  CommandLineWriter writer;
  VString const firewall = GetFirewallName();
  if (firewall != "None") writer.Add(firewall.View());
  writer.Add(std::string("/") + m_protocol->commandSwitch);
  VString const user = GetUsername();
  if (!user.IsEmpty()) writer.AddOption("L", user.View());
  if (m_port != m_protocol->defaultPort) writer.AddOption("P", std::to_string(m_port));
  WriteProtocolOptions(writer);
  VString const host = m_remoteHost->GetHostname();
  if (!host.IsEmpty()) writer.Add(host.View());
  return writer.Text();
}

int NetworkConfig::CanConnect() const { return m_remoteHost->GetHostname().IsEmpty() ? 0 : 1; }

VProfileRecord* NetworkConfig::SharedRecord() const {
  return dynamic_cast<VProfileRecord*>(m_remoteHost.operator->());
}

CString NetworkConfig::GetHostname() { return CString(m_remoteHost->GetHostname().Str()); }

void NetworkConfig::SetHostname(char const* hostname) { m_remoteHost->SetHostname(hostname); }

VString NetworkConfig::GetUsername() { return m_remoteHost->GetUsername(); }

void NetworkConfig::SetUsername(char const* username) { m_remoteHost->SetUsername(username); }

VString NetworkConfig::GetFirewallName() { return m_remoteHost->GetFirewallName(); }

void NetworkConfig::SetFirewallName(VString name) { m_remoteHost->SetFirewallName(name); }

void NetworkConfig::SetPort(int port) {
  if (port >= 1 && port <= 65535) m_port = port;
}

bool NetworkConfig::TakeOption(std::string const& name, CommandLineReader& reader) {
  if (name != "L" && name != "P" && name != "FIREWALL") return TakeProtocolOption(name, reader);
  std::string value;
  if (!reader.Value(value) || value.empty()) return false;
  if (name == "P") return TakePort(value);
  if (name == "L")
    SetUsername(value.c_str());
  else
    SetFirewallName(VString(value));
  return true;
}

// The host, then optionally its port.
bool NetworkConfig::TakeWord(std::string const& word, int index) {
  if (index == 1) return TakePort(word);
  if (index != 0 || word.empty()) return false;
  SetHostname(word.c_str());
  HasCommandLine(1);
  return true;
}

bool NetworkConfig::TakePort(std::string const& text) {
  int port = 0;
  if (!CommandLineReader::Number(text, 1, 65535, port)) return false;
  m_port = port;
  return true;
}
