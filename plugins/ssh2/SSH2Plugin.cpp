// The SSH2 plug-in, which serves SSH1 as well: the library loads it once per protocol and
// names the protocol in the element before the call.
#include "PluginExport.h"
#include "ProtocolPageControls.h"
#include "ProtocolPageSlots.h"
#include "SSH1Config.h"
#include "SSH2Config.h"
#include "SSH2GlobalPages.h"
#include "WizardPageDeclarations.h"
#include "session/ProtocolPlugin.h"

namespace {

void AddSsh2WizardPages(CPropertySheet* wizard, ISessionConfig* session) {
  WizardPageSet::Add(wizard, session, "SSH2", WizardPageDeclarations::Network(WizardPageDeclarations::kSsh2, "SSH2 Port"));
}

void AddSsh1WizardPages(CPropertySheet* wizard, ISessionConfig* session) {
  WizardPageSet::Add(wizard, session, "SSH1", WizardPageDeclarations::Network(WizardPageDeclarations::kSsh1, "SSH1 Port"));
}

ProtocolPages& SSH2Pages() {
  static ProtocolPages pages({11601, "SSH2\nSSH2", ProtocolPageControls::SSH2});
  return pages;
}

ProtocolPages& SSH1Pages() {
  static ProtocolPages pages({11602, "SSH1\nSSH1", ProtocolPageControls::SSH1});
  return pages;
}

}  // namespace

PLUGIN_EXPORT GUID const* GetProtocolGuid() { return &kProtocolPluginGuid; }

PLUGIN_EXPORT void LoadProtocol(HostCallbacks const*, ConnectProtocolTableElement* element, IHostnameResolver*) {
  bool const ssh1 = element->protocolName == "SSH1";
  element->recordFactory = ssh1 ? SSH1Config::Create : SSH2Config::Create;
  element->addWizardPages = ssh1 ? AddSsh1WizardPages : AddSsh2WizardPages;
  element->releaseWizardPages = WizardPageSet::Release;
  if (ssh1) {
    InstallProtocolPageSlots<SSH1Pages>(*element);
  } else {
    InstallProtocolPageSlots<SSH2Pages>(*element);
    element->addGlobalPages = [](IPropertyTreeDialog* dialog, int flag) { SSH2GlobalPages::Instance().Add(dialog, flag); };
    element->removeGlobalPages = [](IPropertyTreeDialog* dialog) { SSH2GlobalPages::Instance().Remove(dialog); };
  }
}
