#include "dialogs/ConnectTreeFilter.h"

#include "database/SessionDatabase.h"
#include "library/ProductInfo.h"

bool ConnectTreeFilter::Hides(SessionDatabase& database, std::string const& path) const {
  if (terminalHost) return !showTransferOnly && !database.HasMatchingProtocol(kProductHaloKorvo, path.c_str());
  return !showTerminalOnly && !database.HasMatchingProtocol(kProductHaloFyx, path.c_str());
}
