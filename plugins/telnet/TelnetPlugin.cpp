// The Telnet plug-in.
#include "TelnetConfig.h"
#include "PluginExport.h"
#include "ProtocolPageControls.h"
#include "ProtocolPageSlots.h"
#include "session/ProtocolPlugin.h"

namespace {

ProtocolPages& Pages() {
  static ProtocolPages pages({11603, "Telnet\nTelnet", ProtocolPageControls::Telnet});
  return pages;
}

}  // namespace

PLUGIN_EXPORT GUID const* GetProtocolGuid() { return &kProtocolPluginGuid; }

PLUGIN_EXPORT void LoadProtocol(HostCallbacks const*, ConnectProtocolTableElement* element, IHostnameResolver*) {
  element->recordFactory = TelnetConfig::Create;
  InstallProtocolPageSlots<Pages>(*element);
}
