// The RLogin plug-in.
#include "PluginExport.h"
#include "ProtocolPageControls.h"
#include "ProtocolPageSlots.h"
#include "RLoginConfig.h"
#include "WizardPageDeclarations.h"
#include "session/ProtocolPlugin.h"

namespace {

void AddWizardPages(CPropertySheet* wizard, ISessionConfig* session) {
  WizardPageSet::Add(wizard, session, "RLogin", WizardPageDeclarations::Network(WizardPageDeclarations::kRLogin, "RLogin Port"));
}

ProtocolPages& Pages() {
  static ProtocolPages pages({11604, "RLogin\nRLogin", ProtocolPageControls::RLogin});
  return pages;
}

}  // namespace

PLUGIN_EXPORT GUID const* GetProtocolGuid() { return &kProtocolPluginGuid; }

PLUGIN_EXPORT void LoadProtocol(HostCallbacks const*, ConnectProtocolTableElement* element, IHostnameResolver*) {
  element->recordFactory = RLoginConfig::Create;
  element->addWizardPages = AddWizardPages;
  element->releaseWizardPages = WizardPageSet::Release;
  InstallProtocolPageSlots<Pages>(*element);
}
