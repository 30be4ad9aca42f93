// Registers one row of the built-in protocol list from a host's base folder, as a host does at
// start-up without callbacks of its own; a null base registers "None".
#pragma once

#include "session/LoadProtocolDll.h"

inline bool RegisterProtocolRow(char const* base, int row, int productId) {
  int index = -1;
  bool exitRequested = false;
  bool warn = false;
  return LoadProtocolDll(base, row, productId, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &index,
                         &exitRequested, &warn);
}
