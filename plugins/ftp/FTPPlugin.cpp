// The FTP plug-in.
#include "FTPConfig.h"
#include "PluginExport.h"
#include "ProtocolPageControls.h"
#include "ProtocolPageSlots.h"
#include "WizardPageDeclarations.h"
#include "session/ProtocolPlugin.h"

namespace {

void AddWizardPages(CPropertySheet* wizard, ISessionConfig* session) {
  WizardPageSet::Add(wizard, session, "FTP", WizardPageDeclarations::Network(WizardPageDeclarations::kFtp, "FTP Port"));
}

ProtocolPages& Pages() {
  static ProtocolPages pages({11607, "FTP\nFTP", ProtocolPageControls::FTP});
  return pages;
}

}  // namespace

PLUGIN_EXPORT GUID const* GetProtocolGuid() { return &kProtocolPluginGuid; }

PLUGIN_EXPORT void LoadProtocol(HostCallbacks const*, ConnectProtocolTableElement* element, IHostnameResolver*) {
  element->recordFactory = FTPConfig::Create;
  element->addWizardPages = AddWizardPages;
  element->releaseWizardPages = WizardPageSet::Release;
  InstallProtocolPageSlots<Pages>(*element);
}
