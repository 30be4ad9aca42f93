// Plain words for the registry calls' result codes, for messages that users read.
#pragma once

#include <string>

#include "platform/types/WinTypes.h"

class RegStatusText {
 public:
  static std::string Describe(LSTATUS status);
};
