// The command that opens one side of a session with the system's client for its protocol:
// OpenSSH `ssh` for SSH2 (port, user, identity file, compression, the authentication order,
// a jump-host firewall as -J and a SOCKS or generic-proxy firewall as a ProxyCommand through
// netcat), `sftp` for SFTP, `telnet`, `rlogin`, `lftp` (else `ftp`) for FTP and `picocom` for
// Serial. Values go into their own arguments, the destination after "--" where the client takes
// it, so a host name or path holding blanks, quotes or shell characters starts nothing else.
// A password is never put into a command.
#pragma once

#include <functional>
#include <string>

#include "clients/ClientCommand.h"

class ConnectConfig;
class SessionConfig;
class VOptionList;

class ClientCommandBuilder {
 public:
  // Whether a program (named without a folder) is installed.
  using Installed = std::function<bool(std::string const& program)>;

  // `installed` decides between FTP clients; by default the programs in PATH.
  explicit ClientCommandBuilder(Installed installed = {});

  // The terminal side, else the file-transfer side.
  ClientCommand For(SessionConfig& session, bool terminal) const;

 private:
  ClientCommand Ssh(ConnectConfig& side, VOptionList const& options) const;
  ClientCommand Sftp(ConnectConfig& side, VOptionList const& options) const;
  ClientCommand Telnet(ConnectConfig& side) const;
  ClientCommand RLogin(ConnectConfig& side) const;
  ClientCommand Ftp(ConnectConfig& side) const;
  ClientCommand Serial(ConnectConfig& side, VOptionList const& options) const;
  // Adds -J or -o ProxyCommand=... for the side's firewall; false with `error` set when the
  // firewall is missing or of a kind an SSH client cannot pass.
  static bool AddFirewall(ConnectConfig& side, ClientCommand& command);

  Installed m_installed;
};
