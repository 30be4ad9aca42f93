// The Serial plug-in.
#include "PluginExport.h"
#include "SerialConfig.h"
#include "session/ProtocolPlugin.h"

PLUGIN_EXPORT GUID const* GetProtocolGuid() { return &kProtocolPluginGuid; }

PLUGIN_EXPORT void LoadProtocol(HostCallbacks const*, ConnectProtocolTableElement* element, IHostnameResolver*) {
  element->recordFactory = SerialConfig::Create;
}
