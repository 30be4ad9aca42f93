// One synchronisation task: a name, a type whose values only the host knows, and the ordered
// places it copies from and to. Equal when everything is equal in order, texts byte for byte.
#pragma once

#include <cstdint>
#include <vector>

#include "VString.h"
#include "transfer/SynchronizeSource.h"
#include "transfer/SynchronizeTarget.h"

struct SynchronizeTask {
  bool operator==(SynchronizeTask const& other) const = default;

  VString name;
  int32_t type = 0;
  std::vector<SynchronizeSource> sources;
  std::vector<SynchronizeTarget> targets;
};
