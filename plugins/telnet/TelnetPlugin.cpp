// The Telnet plug-in.
#include "PluginExport.h"
#include "ProtocolPageControls.h"
#include "ProtocolPageSlots.h"
#include "TelnetConfig.h"
#include "WizardPageDeclarations.h"
#include "session/ProtocolPlugin.h"

namespace {

void AddWizardPages(CPropertySheet* wizard, ISessionConfig* session) {
  WizardPageSet::Add(wizard, session, "Telnet", WizardPageDeclarations::Network(WizardPageDeclarations::kTelnet, "Telnet Port"));
}

ProtocolPages& Pages() {
  static ProtocolPages pages({11603, "Telnet\nTelnet", ProtocolPageControls::Telnet});
  return pages;
}

}  // namespace

PLUGIN_EXPORT GUID const* GetProtocolGuid() { return &kProtocolPluginGuid; }

PLUGIN_EXPORT void LoadProtocol(HostCallbacks const*, ConnectProtocolTableElement* element, IHostnameResolver*) {
  element->recordFactory = TelnetConfig::Create;
  element->addWizardPages = AddWizardPages;
  element->releaseWizardPages = WizardPageSet::Release;
  InstallProtocolPageSlots<Pages>(*element);
}
