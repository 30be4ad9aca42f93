// The two connection sides of one session (terminal and file transfer) and the common settings
// they share. Kept together because each side's records are bound to these common settings:
// a copy binds its cloned records to its own.
#pragma once

#include "session/CommonConfig.h"
#include "session/ConnectConfigPtr.h"

class SessionConnections {
 public:
  // Both sides from `key` (null: the table's default protocols).
  explicit SessionConnections(VProfileKey* key);
  // Each side with a clone of the other's selected record, against copied common settings.
  SessionConnections(SessionConnections const& other);
  SessionConnections& operator=(SessionConnections const&) = delete;

  ConnectConfigPtr& Terminal() { return m_terminal; }
  ConnectConfigPtr const& Terminal() const { return m_terminal; }
  ConnectConfigPtr& Transfer() { return m_transfer; }
  ConnectConfigPtr const& Transfer() const { return m_transfer; }
  ICommonConfig* Common() { return &m_common; }

  void SetProtocol(ConnectConfigPtr& side, char const* protocol) { side.SetProtocol(protocol, &m_common); }
  bool AnyProtocolBlank() const { return m_terminal.ProtocolWasBlank() || m_transfer.ProtocolWasBlank(); }
  // A side whose stored protocol name was empty has no protocol: it becomes "None".
  void ClearBlankProtocols();

 private:
  CommonConfig m_common;
  ConnectConfigPtr m_terminal;
  ConnectConfigPtr m_transfer;
};
