// The Serial plug-in.
#include "PluginExport.h"
#include "ProtocolPageControls.h"
#include "ProtocolPageSlots.h"
#include "SerialConfig.h"
#include "VPageControls.h"
#include "WizardPageDeclarations.h"
#include "session/ProtocolPlugin.h"

namespace {

using Wizard = WizardPageDeclarations;

// The device and the line's speed; the other line settings keep their defaults until changed.
std::vector<WizardPageSet::Declaration> SerialPages() {
  VPageControls::Choices speeds;
  for (ChoiceList::Choice const& choice : SerialConfig::BaudRates().Choices())
    speeds.emplace_back(choice.name, std::to_string(choice.code));
  return {{Wizard::kSerial,
           {Wizard::Intro("Enter the serial device the line is attached to and the speed of the line."),
            VPageControls::Edit(Wizard::kDevice, "&Device:", "Serial Port"),
            VPageControls::List(Wizard::kSpeed, "&Speed (baud):", "Serial Baud Rate", speeds)}}};
}

void AddWizardPages(CPropertySheet* wizard, ISessionConfig* session) {
  WizardPageSet::Add(wizard, session, "Serial", SerialPages());
}

ProtocolPages& Pages() {
  static ProtocolPages pages({11605, "Serial\nSerial", ProtocolPageControls::Serial});
  return pages;
}

}  // namespace

PLUGIN_EXPORT GUID const* GetProtocolGuid() { return &kProtocolPluginGuid; }

PLUGIN_EXPORT void LoadProtocol(HostCallbacks const*, ConnectProtocolTableElement* element, IHostnameResolver*) {
  element->recordFactory = SerialConfig::Create;
  element->addWizardPages = AddWizardPages;
  element->releaseWizardPages = WizardPageSet::Release;
  InstallProtocolPageSlots<Pages>(*element);
}
