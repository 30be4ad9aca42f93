// A fresh in-memory profile store installed as the process's store for one test.
#pragma once

#include "VMemoryStoreFactory.h"
#include "support/InstalledStore.h"

using InstalledMemoryStore = InstalledStore<VMemoryStoreFactory>;
