// An isolated world for global-configuration tests: a temporary BRIMVALE_ROOT and
// XDG_CONFIG_HOME, a running product, the configuration folder's store installed, and the
// process's instance dropped afterwards. Helpers read and write "Global" of that store.
#pragma once

#include <string>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "database/ConfigFolderStoreFactory.h"
#include "database/GlobalConfigInstance.h"
#include "library/LibraryState.h"
#include "library/ProductInfo.h"
#include "support/KeyDump.h"
#include "support/ScopedEnv.h"
#include "support/ScopedRoot.h"

class GlobalConfigWorld {
 public:
  explicit GlobalConfigWorld(int productId = kProductHaloKorvo) {
    UseProduct(productId);
    ConnectDialogDllInitConfigFolderFactory();
  }
  ~GlobalConfigWorld() {
    GlobalConfig* config = nullptr;
    ResetGlobalConfig(config);
    ConnectDialogDllInitProfileFactory(nullptr);
    UseProduct(-1);
  }
  GlobalConfigWorld(GlobalConfigWorld const&) = delete;
  GlobalConfigWorld& operator=(GlobalConfigWorld const&) = delete;
  static void UseProduct(int productId) {
    SetCurrentAppProductID(productId);
    ConnectDialogDllInitApplicationName(LookupProductName(productId));
  }
  // The process's instance, loaded on first use.
  static GlobalConfig& Config() {
    GlobalConfig* config = nullptr;
    GetGlobalConfig(config);
    return *config;
  }
  // The number `name` of "Global", -1 when none is stored.
  static long StoredDword(char const* name) {
    VProfileStore store(true, nullptr);
    unsigned long value = 0;
    return VProfileKey(store.Root(), "Global").GetDword(name, value) ? static_cast<long>(value) : -1;
  }
  static void WriteDword(char const* name, unsigned long value) {
    VProfileStore store;
    VProfileKey(store.Root(), "Global").SetDword(name, value);
  }
  static int CountValues(char const* keyName) {
    VProfileStore store(true, nullptr);
    VProfileKey key(store.Root(), keyName);
    return static_cast<int>(KeyNames(&key, true).size());
  }
  std::string const& Root() const { return m_root.Path(); }

 private:
  ScopedRoot m_root;
  ScopedEnv m_xdg{"XDG_CONFIG_HOME", (m_root.Path() + "/xdg").c_str()};
};
