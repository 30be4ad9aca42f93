// The TAPI (dial-up modem) plug-in.
#include "PluginExport.h"
#include "TAPIConfig.h"
#include "session/ProtocolPlugin.h"

PLUGIN_EXPORT GUID const* GetProtocolGuid() { return &kProtocolPluginGuid; }

PLUGIN_EXPORT void LoadProtocol(HostCallbacks const*, ConnectProtocolTableElement* element, IHostnameResolver*) {
  element->recordFactory = TAPIConfig::Create;
}
