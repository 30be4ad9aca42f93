// The process's one GlobalConfig, created on first use from "Global" of the profile store
// (through the installed factory getter) and owned by the library. A pointer handed out stays
// valid until the next ReloadGlobalConfig or ResetGlobalConfig; the instance is destroyed
// unsaved when the library is unloaded. Host's user-interface thread only.
#pragma once

#include "database/GlobalConfig.h"

class VProfileStore;

// Stores the instance into `config`, loading it first when there is none.
void GetGlobalConfig(GlobalConfig*& config);
// The instance when one has been loaded, else null; never loads.
GlobalConfig* LoadedGlobalConfig();
// Drops the instance without saving it and loads a new one.
void ReloadGlobalConfig(GlobalConfig*& config);
// Drops the instance without saving it; `config` becomes null.
void ResetGlobalConfig(GlobalConfig*& config);
// Saves the instance; false (nothing written) when there is none, a caller error.
bool SaveGlobalConfig();
// A separate record loaded from `key` (null: all defaults), owned by the caller.
GlobalConfig* CreateGlobalConfig(VProfileKey* key);
// Whether "Version" of "Global" in `store` is one of the two identifiers a store may hold
// (compared exactly); false when it is missing or anything else.
bool CheckGlobalConfigVersion(VProfileStore& store);
