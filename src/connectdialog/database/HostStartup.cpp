#include "database/HostStartup.h"

#include "database/ConfigFolderStoreFactory.h"
#include "database/GlobalConfigInstance.h"
#include "library/ProductInfo.h"

GlobalConfig* HostStartup::Start(Host const& host) {
  VString const name = LookupProductName(host.productId);
  if (name.IsEmpty()) return nullptr;
  SetCurrentAppProductID(host.productId);
  IsKorvo_Installed(host.korvoInstalled);
  IsHaloKorvo_Korvo_Installed(host.haloKorvoOrKorvoInstalled);
  IsHaloFyx_Installed(host.haloFyxInstalled);
  if (host.profileFactory)
    ConnectDialogDllInitProfileFactory(host.profileFactory);
  else
    ConnectDialogDllInitConfigFolderFactory();
  ConnectDialogDllInitApplicationName(name);
  ConnectDialogDllInitApplicationCommandLine(host.commandLine);
  ConnectDialogDllInitSSH2GlobalPages(host.addGlobalPages, host.removeGlobalPages);
  GlobalConfig* options = nullptr;
  GetGlobalConfig(options);
  ConnectDialogDllInit(host.icon, host.quickConnect, host.editSession, host.help, host.routerGetter);
  return options;
}
