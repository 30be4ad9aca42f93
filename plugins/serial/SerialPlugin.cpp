// The Serial plug-in.
#include "PluginExport.h"
#include "ProtocolPageControls.h"
#include "ProtocolPageSlots.h"
#include "SerialConfig.h"
#include "session/ProtocolPlugin.h"

namespace {

ProtocolPages& Pages() {
  static ProtocolPages pages({11605, "Serial\nSerial", ProtocolPageControls::Serial});
  return pages;
}

}  // namespace

PLUGIN_EXPORT GUID const* GetProtocolGuid() { return &kProtocolPluginGuid; }

PLUGIN_EXPORT void LoadProtocol(HostCallbacks const*, ConnectProtocolTableElement* element, IHostnameResolver*) {
  element->recordFactory = SerialConfig::Create;
  InstallProtocolPageSlots<Pages>(*element);
}
