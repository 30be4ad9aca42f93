// The RLogin plug-in.
#include "RLoginConfig.h"
#include "PluginExport.h"
#include "WizardPageDeclarations.h"
#include "session/ProtocolPlugin.h"

namespace {

void AddWizardPages(CPropertySheet* wizard, ISessionConfig* session) {
  WizardPageSet::Add(wizard, session, "RLogin", WizardPageDeclarations::Network(WizardPageDeclarations::kRLogin, "RLogin Port"));
}

}  // namespace

PLUGIN_EXPORT GUID const* GetProtocolGuid() { return &kProtocolPluginGuid; }

PLUGIN_EXPORT void LoadProtocol(HostCallbacks const*, ConnectProtocolTableElement* element, IHostnameResolver*) {
  element->recordFactory = RLoginConfig::Create;
  element->addWizardPages = AddWizardPages;
  element->releaseWizardPages = WizardPageSet::Release;
}
