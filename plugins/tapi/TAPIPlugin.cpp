// The TAPI plug-in.
#include "PluginExport.h"
#include "TAPIConfig.h"
#include "WizardPage.h"
#include "WizardPageDeclarations.h"
#include "VPageControls.h"
#include "session/ProtocolPlugin.h"

namespace {

using Pages = WizardPageDeclarations;

// The number goes through the record's host, which takes only what can be dialled.
void AddWizardPages(CPropertySheet* wizard, ISessionConfig* session) {
  WizardPageSet::Add(wizard, session, "TAPI",
                     {{Pages::kTapi,
                       {Pages::Intro("Enter the phone number the modem dials."),
                        VPageControls::Edit(Pages::kPhoneNumber, "P&hone number:", WizardPage::kHostOption)}}});
}

}  // namespace

PLUGIN_EXPORT GUID const* GetProtocolGuid() { return &kProtocolPluginGuid; }

PLUGIN_EXPORT void LoadProtocol(HostCallbacks const*, ConnectProtocolTableElement* element, IHostnameResolver*) {
  element->recordFactory = TAPIConfig::Create;
  element->addWizardPages = AddWizardPages;
  element->releaseWizardPages = WizardPageSet::Release;
}
