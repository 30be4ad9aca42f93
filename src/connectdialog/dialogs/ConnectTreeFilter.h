// Which sessions the Connect dialog leaves out for the running host: a terminal host hides the
// sessions that only the file-transfer host can open unless "Show Transfer Only Sessions" is
// on, and the file-transfer host the other way round.
#pragma once

#include <string>

#include "VString.h"

class SessionDatabase;

struct ConnectTreeFilter {
  bool terminalHost = true;  // the application's name holds "Korvo"
  bool showTransferOnly = true;
  bool showTerminalOnly = true;

  bool Hides(SessionDatabase& database, std::string const& path) const;
  // Whether a session's protocol decides if it is shown (the running host's option is off).
  bool NeedsProtocol() const { return !(terminalHost ? showTransferOnly : showTerminalOnly); }
  // The same from the session's stored protocol of the running host's side ("Protocol Name" in
  // a terminal host, else "Transfer Protocol Name"), read beforehand; `found` false when absent.
  bool HidesStored(bool found, VString protocol) const;
};
