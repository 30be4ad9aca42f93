// The built-in plug-in list: which protocol plug-ins each host product ships. A host registers
// a protocol by passing its row to LoadProtocolDll. The list ends with an all-zero row.
#pragma once

#include "platform/types/WinTypes.h"

struct BuiltInProtocol {
  int productId;
  char const* protocol;
  GUID guid;         // the interface GUID the plug-in must answer
  char const* file;  // the plug-in's file name in "Connection Protocols"
};

inline constexpr int kBuiltInProtocolCount = 13;

// kBuiltInProtocolCount rows and the all-zero end row.
extern BuiltInProtocol const builtInProtocols[kBuiltInProtocolCount + 1];
