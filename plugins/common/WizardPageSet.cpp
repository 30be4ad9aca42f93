#include "WizardPageSet.h"

#include "platform/types/CPropertySheet.h"

std::map<CPropertySheet*, std::vector<std::unique_ptr<WizardPage>>>& WizardPageSet::Pages() {
  static std::map<CPropertySheet*, std::vector<std::unique_ptr<WizardPage>>> pages;
  return pages;
}

void WizardPageSet::Add(CPropertySheet* wizard, ISessionConfig* session, char const* protocol,
                        std::vector<Declaration> const& pages) {
  if (!wizard || !session) return;
  std::vector<std::unique_ptr<WizardPage>>& held = Pages()[wizard];
  for (Declaration const& declaration : pages) {
    held.push_back(std::make_unique<WizardPage>(declaration.templateId, protocol, declaration.controls, *session));
    wizard->AddPage(held.back().get());
  }
}

void WizardPageSet::Release(CPropertySheet* wizard) {
  auto const found = Pages().find(wizard);
  if (found == Pages().end()) return;
  for (std::unique_ptr<WizardPage> const& page : found->second) wizard->RemovePage(page.get());
  Pages().erase(found);
}
