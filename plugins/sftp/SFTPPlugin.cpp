// The SFTP plug-in.
#include "PluginExport.h"
#include "ProtocolPageControls.h"
#include "ProtocolPageSlots.h"
#include "SFTPConfig.h"
#include "WizardPageDeclarations.h"
#include "session/ProtocolPlugin.h"

namespace {

void AddWizardPages(CPropertySheet* wizard, ISessionConfig* session) {
  WizardPageSet::Add(wizard, session, "SFTP", WizardPageDeclarations::Network(WizardPageDeclarations::kSftp, "SFTP Port"));
}

ProtocolPages& Pages() {
  static ProtocolPages pages({11606, "SFTP\nSFTP", ProtocolPageControls::SFTP});
  return pages;
}

}  // namespace

PLUGIN_EXPORT GUID const* GetProtocolGuid() { return &kProtocolPluginGuid; }

PLUGIN_EXPORT void LoadProtocol(HostCallbacks const*, ConnectProtocolTableElement* element, IHostnameResolver*) {
  element->recordFactory = SFTPConfig::Create;
  element->addWizardPages = AddWizardPages;
  element->releaseWizardPages = WizardPageSet::Release;
  InstallProtocolPageSlots<Pages>(*element);
}
