// One place a synchronisation task copies from: a session's path, with or without subfolders.
#pragma once

#include "VString.h"

struct SynchronizeSource {
  bool operator==(SynchronizeSource const& other) const = default;

  VString session;
  VString path;
  bool recurse = true;
};
