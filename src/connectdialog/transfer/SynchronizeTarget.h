// One place a synchronisation task copies to: a session's path.
#pragma once

#include "VString.h"

struct SynchronizeTarget {
  bool operator==(SynchronizeTarget const& other) const = default;

  VString session;
  VString path;
};
