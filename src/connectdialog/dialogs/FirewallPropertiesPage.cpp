#include "dialogs/FirewallPropertiesPage.h"

#include "VPageControls.h"
#include "VPageDialog.h"
#include "platform/registry/NameFolding.h"
#include "session/FirewallConfig.h"
#include "session/FirewallStore.h"
#include "session/FirewallType.h"

namespace {

std::vector<VPageControl> Declarations() {
  using VPageControls::Edit, VPageControls::Number;
  using Page = FirewallPropertiesPage;
  VPageControls::Choices kinds;
  for (FirewallType const& type : FirewallType::All()) kinds.emplace_back(type.displayName, type.storedName);
  return {Edit(Page::kName, "&Name:", ""),
          VPageControls::List(Page::kType, "&Type:", "Firewall Type", kinds),
          Edit(Page::kAddress, "&Host:", "Firewall Address"),
          Number(Page::kPort, "&Port:", "Firewall Port", 1, 65535),
          Edit(Page::kUser, "&Username:", "Firewall User"),
          Edit(Page::kPassword, "Pass&word:", "Firewall Password"),
          Edit(Page::kPrompt, "Pro&mpt:", "Proxy Prompt"),
          Edit(Page::kCommand, "&Command:", "Proxy Command")};
}

}  // namespace

FirewallPropertiesPage::FirewallPropertiesPage(FirewallConfig& firewall, std::string storedName)
    : VPropertyTreePage(0, "Firewall", Declarations()),
      m_firewall(firewall),
      m_storedName(std::move(storedName)),
      m_options(firewall) {
  BindOptions(&m_options);
}

bool FirewallPropertiesPage::OnSetActive() {
  VPropertyTreePage::OnSetActive();
  Control(kName)->value = m_storedName;
  return true;
}

bool FirewallPropertiesPage::OnKillActive() {
  std::string const& name = Control(kName)->value;
  CString const candidate(name);
  std::string problem;
  if (name.empty() || name.find_first_not_of(" \t") == std::string::npos) {
    problem = "Please enter a name for the firewall.";
  } else if (name.find('\\') != std::string::npos) {
    problem = "A firewall name may not hold \"\\\".";
  } else if (FirewallStore::IsDirectName(candidate)) {
    problem = "\"" + name + "\" stands for a direct connection; please choose another name.";
  } else if (FoldName(name) != FoldName(m_storedName) && FirewallStore::FirewallExists(candidate)) {
    problem = "A firewall named \"" + name + "\" already exists.";
  }
  if (!problem.empty()) return Refuse(kName, problem);
  if (!VPropertyTreePage::OnKillActive()) return false;
  m_firewall.SetFirewallName(VString(name));
  return true;
}

bool FirewallPropertiesPage::Edit(FirewallConfig& firewall, std::string const& storedName) {
  firewall.Checkpoint();
  FirewallPropertiesPage page(firewall, storedName);
  std::string const title = storedName.empty() ? "New Firewall" : "Firewall Properties - " + storedName;
  if (VPageDialog(title, page).DoModal() == IDOK) return true;
  firewall.Rollback();
  return false;
}
