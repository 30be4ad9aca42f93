// The library's start-up as every host runs it, in the one order that works: the product id
// and installation flags, the store (the configuration folder's unless the host has its own),
// the application name and command line, the SSH2 global pages, the global options, then
// ConnectDialogDllInit with the host's callbacks (which builds the product's emulation and
// keymap-name lists and runs the configuration upgrade). One path for every host, so that none
// of them leaves a step out. Host's user-interface thread only.
#pragma once

#include "VString.h"
#include "library/LibraryState.h"

class GlobalConfig;

class HostStartup {
 public:
  // What the host tells the library about itself; all but the product may stay empty.
  struct Host {
    int productId = -1;  // kProductKorvo, kProductHaloKorvo or kProductHaloFyx
    bool korvoInstalled = false;
    bool haloKorvoOrKorvoInstalled = false;
    bool haloFyxInstalled = false;
    VProfileStoreFactoryGetter profileFactory = nullptr;  // null: the configuration folder's store
    VString commandLine;
    AddGlobalPagesCallback addGlobalPages = nullptr;
    RemoveGlobalPagesCallback removeGlobalPages = nullptr;
    HICON icon = nullptr;
    QuickConnectCallback quickConnect = nullptr;
    EditSessionCallback editSession = nullptr;
    HelpCallback help = nullptr;
    VReportMessageRouterGetter routerGetter = nullptr;
  };

  // Runs every step for `host` and returns the process's global options; null, with nothing
  // set, when the product id is none of the three products.
  static GlobalConfig* Start(Host const& host);
};
