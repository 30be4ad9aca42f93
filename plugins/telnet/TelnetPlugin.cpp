// The Telnet plug-in.
#include "TelnetConfig.h"
#include "PluginExport.h"
#include "session/ProtocolPlugin.h"

PLUGIN_EXPORT GUID const* GetProtocolGuid() { return &kProtocolPluginGuid; }

PLUGIN_EXPORT void LoadProtocol(HostCallbacks const*, ConnectProtocolTableElement* element, IHostnameResolver*) {
  element->recordFactory = TelnetConfig::Create;
}
