#include "clients/ClientCommandBuilder.h"

#include <memory>

#include "VOptionList.h"
#include "VStringReceiver.h"
#include "platform/shell/ProgramPath.h"
#include "session/FirewallConfig.h"
#include "session/FirewallStore.h"
#include "session/FirewallType.h"
#include "session/SSH2GlobalConfig.h"
#include "session/SessionConfig.h"

namespace {

std::string Text(VOptionList const& options, char const* name) {
  VOption const* option = options.Find(name);
  return option ? option->Text().Str() : std::string();
}

ClientCommand Failed(std::string error) {
  ClientCommand command;
  command.error = std::move(error);
  return command;
}

// ssh reads an -o value as a line of its configuration: a file name with blanks goes in double
// quotes and a '%' is doubled, as its tokens would otherwise be expanded; quotes and
// backslashes cannot be passed through. Empty when `path` cannot be passed.
std::string ConfigFileValue(std::string const& path) {
  if (path.find_first_of("\"\\") != std::string::npos) return {};
  std::string value;
  for (char c : path) value += c == '%' ? std::string("%%") : std::string(1, c);
  return path.find_first_of(" \t") == std::string::npos ? value : "\"" + value + "\"";
}

// The product's SSH2-wide options; false, with the command's error set, for a stored value ssh
// cannot take.
bool AddGlobalSshOptions(SSH2GlobalConfig const& global, bool ownIdentity, ClientCommand& command) {
  static char const* const kChecking[] = {"ask", "accept-new", "yes", "no"};
  auto& args = command.arguments;
  if (std::string const identity = global.defaultIdentityFile.Str(); !ownIdentity && !identity.empty())
    args.insert(args.end(), {"-i", identity});
  if (std::string const known = global.knownHostsFile.Str(); !known.empty()) {
    std::string const value = ConfigFileValue(known);
    if (value.empty()) {
      command.error = "the known-hosts file \"" + known + "\" holds a quote or a backslash, which ssh cannot take";
      return false;
    }
    args.insert(args.end(), {"-o", "UserKnownHostsFile=" + value});
  }
  int const checking = global.strictHostKeyChecking;
  if (checking < SSH2GlobalConfig::kAsk || checking > SSH2GlobalConfig::kNo) {
    command.error = "\"SSH2 Strict Host Key Checking\" holds " + std::to_string(checking) + ", which is none of 0 to 3";
    return false;
  }
  if (checking != SSH2GlobalConfig::kAsk) args.insert(args.end(), {"-o", std::string("StrictHostKeyChecking=") + kChecking[checking]});
  if (int const interval = global.keepAliveInterval; interval > 0)
    args.insert(args.end(), {"-o", "ServerAliveInterval=" + std::to_string(interval)});
  return true;
}

// The options ssh and sftp share: port, user, identity file, compression, authentication order,
// then the product's SSH2-wide options. The identity, compression and methods are the SSH2
// record's, which an SFTP session has when its terminal side is SSH2.
bool AddSshOptions(ConnectConfig& side, VOptionList const& options, char const* portSwitch, ClientCommand& command) {
  auto& args = command.arguments;
  args.insert(args.end(), {portSwitch, std::to_string(side.GetPort())});
  if (std::string const user = side.GetUsername().Str(); !user.empty()) args.insert(args.end(), {"-o", "User=" + user});
  std::string const identity = Text(options, "SSH2 Identity Filename");
  if (!identity.empty()) args.insert(args.end(), {"-i", identity});
  if (Text(options, "SSH2 Compression") == "true") args.push_back("-C");
  VOption const* order = options.Find("SSH2 Authentication Order");
  std::string methods = order && !order->IsDefault() ? order->Text().Str() : std::string();
  if (size_t const at = ("," + methods + ",").find(",gssapi,"); at != std::string::npos)
    methods.replace(at, 6, "gssapi-with-mic");
  if (!methods.empty()) args.insert(args.end(), {"-o", "PreferredAuthentications=" + methods});
  return AddGlobalSshOptions(*SSH2GlobalConfig::LoadStored(), !identity.empty(), command);
}

// netcat's -X for the proxy kinds an SSH client can pass through; empty for the others.
std::string NetcatProtocol(std::string const& type) {
  if (type == "SOCKSv4") return "4";
  if (type == "SOCKSv5" || type == "SOCKSv5_USERPASS") return "5";
  if (type == "Generic Proxy") return "connect";
  return {};
}

}  // namespace

ClientCommandBuilder::ClientCommandBuilder(Installed installed) : m_installed(std::move(installed)) {
  if (!m_installed) m_installed = [](std::string const& program) { return !FindProgramInPath(program).empty(); };
}

ClientCommand ClientCommandBuilder::For(SessionConfig& session, bool terminal) const {
  std::string const protocol = (terminal ? session.GetTerminalProtocol() : session.GetTransferProtocol()).Str();
  ConnectConfig* side = terminal ? session.GetTermConnectConfig() : session.GetTransferConnectConfig();
  if (!side || protocol.empty() || protocol == "None")
    return Failed(std::string("the session has no ") + (terminal ? "terminal" : "file-transfer") + " protocol");
  if (!side->CanConnect()) return Failed("the session names no host to connect to");
  VOptionList const options(session);
  if (protocol == "SSH2") return Ssh(*side, options);
  if (protocol == "SFTP") return Sftp(*side, options);
  if (protocol == "Telnet") return Telnet(*side);
  if (protocol == "RLogin") return RLogin(*side);
  if (protocol == "FTP") return Ftp(*side);
  if (protocol == "Serial") return Serial(*side, options);
  if (protocol == "SSH1") return Failed("OpenSSH no longer speaks SSH1: change the session's protocol to SSH2");
  return Failed("no client on this system opens " + protocol + " sessions");
}

ClientCommand ClientCommandBuilder::Ssh(ConnectConfig& side, VOptionList const& options) const {
  ClientCommand command{"ssh", {}, "openssh-client", {}};
  if (!AddSshOptions(side, options, "-p", command) || !AddFirewall(side, command)) return command;
  command.arguments.insert(command.arguments.end(), {"--", side.GetHostname().Str()});
  return command;
}

ClientCommand ClientCommandBuilder::Sftp(ConnectConfig& side, VOptionList const& options) const {
  ClientCommand command{"sftp", {}, "openssh-client", {}};
  if (!AddSshOptions(side, options, "-P", command) || !AddFirewall(side, command)) return command;
  command.arguments.insert(command.arguments.end(), {"--", side.GetHostname().Str()});
  return command;
}

ClientCommand ClientCommandBuilder::Telnet(ConnectConfig& side) const {
  ClientCommand command{"telnet", {}, "telnet", {}};
  if (std::string const user = side.GetUsername().Str(); !user.empty()) command.arguments.insert(command.arguments.end(), {"-l", user});
  command.arguments.insert(command.arguments.end(), {"--", side.GetHostname().Str(), std::to_string(side.GetPort())});
  return command;
}

ClientCommand ClientCommandBuilder::RLogin(ConnectConfig& side) const {
  ClientCommand command{"rlogin", {}, "rsh-redone-client", {}};
  if (std::string const user = side.GetUsername().Str(); !user.empty()) command.arguments.insert(command.arguments.end(), {"-l", user});
  command.arguments.insert(command.arguments.end(), {"-p", std::to_string(side.GetPort()), "--", side.GetHostname().Str()});
  return command;
}

// Neither FTP client takes "--": a host that would read as an option is refused.
ClientCommand ClientCommandBuilder::Ftp(ConnectConfig& side) const {
  std::string const host = side.GetHostname().Str();
  if (host.starts_with("-")) return Failed("the host name \"" + host + "\" starts with '-'");
  if (m_installed("lftp")) {
    ClientCommand command{"lftp", {"-p", std::to_string(side.GetPort())}, "lftp", {}};
    if (std::string const user = side.GetUsername().Str(); !user.empty()) command.arguments.insert(command.arguments.end(), {"-u", user});
    command.arguments.push_back(host);
    return command;
  }
  return {"ftp", {host, std::to_string(side.GetPort())}, "ftp", {}};
}

ClientCommand ClientCommandBuilder::Serial(ConnectConfig& side, VOptionList const& options) const {
  static char const* const kParity[] = {"n", "o", "e"};
  static char const* const kFlow[] = {"n", "s", "h"};
  int const parity = std::stoi("0" + Text(options, "Serial Parity"));
  int const flow = std::stoi("0" + Text(options, "Serial Flow Control"));
  int const stop = std::stoi("0" + Text(options, "Serial Stop Bits"));
  if (parity > 2) return Failed("picocom has no mark or space parity");
  if (flow > 2) return Failed("picocom has no DSR/DTR flow control");
  if (stop == 1) return Failed("picocom has no one and a half stop bits");
  return {"picocom",
          {"-b", Text(options, "Serial Baud Rate"), "-d", Text(options, "Serial Data Bits"), "-y", kParity[parity],
           "-p", stop == 2 ? "2" : "1", "-f", kFlow[flow], "--", side.GetHostname().Str()},
          "picocom",
          {}};
}

bool ClientCommandBuilder::AddFirewall(ConnectConfig& side, ClientCommand& command) {
  std::string const name = side.GetFirewallName().Str();
  if (name.empty() || name == "None") return true;
  std::unique_ptr<FirewallConfig> firewall(FirewallStore::LookupFirewall(name.c_str()));
  if (!firewall) {
    command.error = "the firewall \"" + name + "\" does not exist";
    return false;
  }
  std::string const type = firewall->GetFirewallType().Str();
  std::string const host = firewall->GetFirewallHostname().Str();
  std::string const port = std::to_string(firewall->GetFirewallPort());
  if (type == FirewallType::kJumpHost) {
    std::string hops = firewall->GetFirewallCommand().Str();
    if (hops.empty()) {
      VStringReceiver user;
      hops = (firewall->GetFirewallUsername(&user) && *user.GetString() ? std::string(user.GetString()) + "@" : "") +
             host + ":" + port;
    }
    command.arguments.insert(command.arguments.end(), {"-J", hops});
    return true;
  }
  // ssh runs a ProxyCommand through the shell: only a plain host name or address may go into it.
  if (host.empty() || host.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.-:[]_") !=
                          std::string::npos || host.starts_with("-")) {
    command.error = "the firewall \"" + name + "\" names the host \"" + host + "\", which is not a plain host name";
    return false;
  }
  std::string const netcat = NetcatProtocol(type);
  if (netcat.empty()) {
    command.error = "an SSH client cannot pass the firewall \"" + name + "\" of kind \"" + type + "\"";
    return false;
  }
  command.arguments.insert(command.arguments.end(),
                           {"-o", "ProxyCommand=nc -X " + netcat + " -x " + host + ":" + port + " %h %p"});
  return true;
}
