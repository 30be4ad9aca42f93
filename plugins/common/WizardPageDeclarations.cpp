#include "WizardPageDeclarations.h"

#include "VPageControls.h"
#include "WizardPage.h"

VPageControl WizardPageDeclarations::Intro(std::string text) {
  VPageControl control;
  control.id = kIntro;
  control.kind = VControlKind::Label;
  control.label = std::move(text);
  return control;
}

std::vector<WizardPageSet::Declaration> WizardPageDeclarations::Network(unsigned int firstTemplate,
                                                                        std::string const& portOption) {
  using namespace VPageControls;
  return {
      {firstTemplate,
       {Intro("Enter the name or address of the remote host and the port it listens on."),
        Edit(kHost, "&Hostname:", WizardPage::kHostOption), Number(kPort, "&Port:", portOption, 1, 65535)}},
      {firstTemplate + 1,
       {Intro("Enter the name of the user to log on as, or leave it empty to be asked when connecting."),
        Edit(kUser, "&Username:", WizardPage::kUserOption)}},
  };
}
