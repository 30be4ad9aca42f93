// Benchmarks load the SSH2 plug-in the build made, and "None", as a terminal host would.
#pragma once

#include <string>

#include "session/ConnectProtocolTable.h"
#include "session/LoadProtocolDll.h"

// The build's plug-in folder sits in the build folder, which is the base hosts pass.
inline void RegisterBuiltSsh2() {
  std::string const protocols = CONNECTION_PROTOCOLS_DIR;
  std::string const base = protocols.substr(0, protocols.rfind('/') + 1);
  GetConnectProtocolTable().RemoveAll();
  bool warn = false;
  LoadProtocolDll(base.c_str(), 4, 3, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &warn);
  LoadProtocolDll(nullptr, 0, 3, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
}
