// The SSH2 plug-in, which serves SSH1 as well: the library loads it once per protocol and
// names the protocol in the element before the call.
#include "PluginExport.h"
#include "SSH1Config.h"
#include "SSH2Config.h"
#include "session/ProtocolPlugin.h"

PLUGIN_EXPORT GUID const* GetProtocolGuid() { return &kProtocolPluginGuid; }

PLUGIN_EXPORT void LoadProtocol(HostCallbacks const*, ConnectProtocolTableElement* element, IHostnameResolver*) {
  element->recordFactory = element->protocolName == "SSH1" ? SSH1Config::Create : SSH2Config::Create;
}
