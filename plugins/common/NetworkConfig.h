// The base of the records of protocols that reach a host over the network (SSH2, SSH1, Telnet,
// RLogin, SFTP, FTP): host, user and firewall through the session's remote-host record, a port
// of the protocol's own, the carry-over across a protocol switch, and the command line
//   [firewall] /PROTOCOL [/L user] [/P port] [protocol options] host
// (read as: [/FIREWALL name] [/PROTOCOL] options and words, the words being host and port).
//
// A derived record lists its port in its option table with PortMember<R>() and calls Load(key)
// in its constructor; Clone returns Attached(new R(*this), common).
#pragma once

#include <string>

#include "CarryOver.h"
#include "CommandLineGrammar.h"
#include "RemoteHostLink.h"
#include "VProfile.h"
#include "VSharedRecordSource.h"
#include "session/ConnectConfigRecord.h"

class CommandLineWriter;

class NetworkConfig : public ConnectConfigRecord, public VSharedRecordSource, protected CommandLineGrammar {
 public:
  struct Protocol {
    char const* commandSwitch;  // in capitals, without the slash
    int defaultPort;
    char const* portCarryKey;  // null: the port stays with the protocol
  };

  void Save(VProfileKey* key, bool force) override;
  bool IsModified() const override;
  void Checkpoint() override;
  void Rollback() override;

  void SaveToMap(CMapStringToPtr& map) override;
  void LoadFromMap(CMapStringToPtr const& map) override;
  void ProcessCommandLine(CStringList& arguments, POSITION& position) override;
  CString CommandLine() override;
  int CanConnect() const override;

  CString GetHostname() override;
  void SetHostname(char const* hostname) override;
  VString GetUsername() override;
  void SetUsername(char const* username) override;
  VString GetFirewallName() override;
  void SetFirewallName(VString name) override;
  int GetPort() const override { return m_port; }
  // The session's remote-host record, which holds "Hostname", "Username" and "Firewall Name".
  VProfileRecord* SharedRecord() const override;
  // Ports outside 1 to 65535 are refused; the port stays as it was.
  void SetPort(int port) override;

 protected:
  NetworkConfig(VProfileKey* key, ICommonConfig* common, Protocol const& protocol);
  NetworkConfig(NetworkConfig const&) = default;

  template <typename R>
  static VProfile<int> R::*PortMember() {
    return &NetworkConfig::m_port;
  }
  static ConnectConfig* Attached(NetworkConfig* copy, ICommonConfig* common);

  // Options beyond user, port and firewall, read and written by the derived protocol.
  virtual bool TakeProtocolOption(std::string const& /*name*/, CommandLineReader& /*reader*/) { return false; }
  virtual void WriteProtocolOptions(CommandLineWriter& /*writer*/) const {}

  char const* ProtocolSwitch() const override { return m_protocol->commandSwitch; }
  bool TakeOption(std::string const& name, CommandLineReader& reader) override;
  bool TakeWord(std::string const& word, int index) override;

 private:
  bool TakePort(std::string const& text);

  Protocol const* m_protocol;
  VProfile<int> m_port;
  RemoteHostLink m_remoteHost;
  CarryOver m_carryOver;
};
