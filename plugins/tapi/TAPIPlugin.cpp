// The TAPI plug-in.
#include "PluginExport.h"
#include "ProtocolPageControls.h"
#include "ProtocolPageSlots.h"
#include "TAPIConfig.h"
#include "VPageControls.h"
#include "WizardPage.h"
#include "WizardPageDeclarations.h"
#include "session/ProtocolPlugin.h"

namespace {

using Wizard = WizardPageDeclarations;

// The number goes through the record's host, which takes only what can be dialled.
void AddWizardPages(CPropertySheet* wizard, ISessionConfig* session) {
  WizardPageSet::Add(wizard, session, "TAPI",
                     {{Wizard::kTapi,
                       {Wizard::Intro("Enter the phone number the modem dials."),
                        VPageControls::Edit(Wizard::kPhoneNumber, "P&hone number:", WizardPage::kHostOption)}}});
}

ProtocolPages& Pages() {
  static ProtocolPages pages({11608, "TAPI\nTAPI", ProtocolPageControls::TAPI});
  return pages;
}

}  // namespace

PLUGIN_EXPORT GUID const* GetProtocolGuid() { return &kProtocolPluginGuid; }

PLUGIN_EXPORT void LoadProtocol(HostCallbacks const*, ConnectProtocolTableElement* element, IHostnameResolver*) {
  element->recordFactory = TAPIConfig::Create;
  element->addWizardPages = AddWizardPages;
  element->releaseWizardPages = WizardPageSet::Release;
  InstallProtocolPageSlots<Pages>(*element);
}
