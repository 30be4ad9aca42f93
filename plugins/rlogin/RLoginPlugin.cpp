// The RLogin plug-in.
#include "RLoginConfig.h"
#include "PluginExport.h"
#include "ProtocolPageControls.h"
#include "ProtocolPageSlots.h"
#include "session/ProtocolPlugin.h"

namespace {

ProtocolPages& Pages() {
  static ProtocolPages pages({11604, "RLogin\nRLogin", ProtocolPageControls::RLogin});
  return pages;
}

}  // namespace

PLUGIN_EXPORT GUID const* GetProtocolGuid() { return &kProtocolPluginGuid; }

PLUGIN_EXPORT void LoadProtocol(HostCallbacks const*, ConnectProtocolTableElement* element, IHostnameResolver*) {
  element->recordFactory = RLoginConfig::Create;
  InstallProtocolPageSlots<Pages>(*element);
}
