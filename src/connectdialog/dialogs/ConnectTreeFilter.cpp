#include "dialogs/ConnectTreeFilter.h"

#include "database/SessionDatabase.h"
#include "library/ProductInfo.h"
#include "session/ConnectConfigPtr.h"

bool ConnectTreeFilter::Hides(SessionDatabase& database, std::string const& path) const {
  if (terminalHost) return !showTransferOnly && !database.HasMatchingProtocol(kProductHaloKorvo, path.c_str());
  return !showTerminalOnly && !database.HasMatchingProtocol(kProductHaloFyx, path.c_str());
}

bool ConnectTreeFilter::HidesStored(bool found, VString protocol) const {
  if (!NeedsProtocol()) return false;
  // As the session database judges a stored protocol: a known one of the side, other than "None".
  if (!found || !ConnectConfigPtr::ValidateProtocolName(terminalHost, protocol)) return true;
  return protocol.IsEmpty() || protocol == "None";
}
