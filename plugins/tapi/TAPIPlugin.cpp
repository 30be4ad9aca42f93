// The TAPI (dial-up modem) plug-in.
#include "PluginExport.h"
#include "ProtocolPageControls.h"
#include "ProtocolPageSlots.h"
#include "TAPIConfig.h"
#include "session/ProtocolPlugin.h"

namespace {

ProtocolPages& Pages() {
  static ProtocolPages pages({11608, "TAPI\nTAPI", ProtocolPageControls::TAPI});
  return pages;
}

}  // namespace

PLUGIN_EXPORT GUID const* GetProtocolGuid() { return &kProtocolPluginGuid; }

PLUGIN_EXPORT void LoadProtocol(HostCallbacks const*, ConnectProtocolTableElement* element, IHostnameResolver*) {
  element->recordFactory = TAPIConfig::Create;
  InstallProtocolPageSlots<Pages>(*element);
}
