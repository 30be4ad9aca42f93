// The settings that both connection sides of one session share: the remote-host record and two
// slots for objects that protocol records park there. Each is made on first request, from the
// key the requester is loading from, and lives as long as the session's common settings.
#pragma once

#include "ISharedConfigObject.h"

class IRemoteHostConfig;
class VProfileKey;

// Makes a shared object loaded from `key` (null: defaults), holding one reference.
using SharedObjectFactory = ISharedConfigObject* (*)(VProfileKey* key, bool second);

class ICommonConfig {
 public:
  // The remote-host record, loaded from `key` the first time; the caller releases it.
  virtual IRemoteHostConfig* GetRemoteHostConfig(VProfileKey* key) = 0;
  // The first or (`second`) the second shared object, made by `factory` the first time; the
  // caller releases it. Null when the factory made nothing.
  virtual ISharedConfigObject* GetSharedObject(VProfileKey* key, bool second, SharedObjectFactory factory) = 0;
  virtual ~ICommonConfig() = default;
};
