#include "dialogs/GlobalFirewallPage.h"

#include <algorithm>
#include <memory>

#include "VPageControls.h"
#include "dialogs/FirewallPropertiesPage.h"
#include "platform/types/CStringList.h"
#include "platform/ui/UserInterface.h"
#include "session/FirewallConfig.h"
#include "session/FirewallStore.h"

GlobalFirewallPage::GlobalFirewallPage()
    : VPropertyTreePage(11462, "Firewall",
                        {VPageControls::List(kList, "", "", {}),
                         VPageControls::Action(kAdd, "&Add...", [this](VPropertyTreePage&) { Add(); }),
                         VPageControls::Action(kEdit, "&Edit...", [this](VPropertyTreePage&) { EditSelected(); }),
                         VPageControls::Action(kDelete, "&Delete", [this](VPropertyTreePage&) { DeleteSelected(); })}) {}

bool GlobalFirewallPage::OnSetActive() {
  VPropertyTreePage::OnSetActive();
  FillList(Control(kList)->value);
  return true;
}

void GlobalFirewallPage::FillList(std::string const& selected) {
  VPageControl* list = Control(kList);
  list->choices.clear();
  CStringList names;
  FirewallStore::GetFirewallNames(names);
  for (POSITION at = names.GetHeadPosition(); at;) {
    CString const& name = names.GetNext(at);
    if (!FirewallStore::IsDirectName(name)) list->choices.push_back(name.Str());
  }
  bool const listed = std::find(list->choices.begin(), list->choices.end(), selected) != list->choices.end();
  list->value = list->shown = listed ? selected : list->choices.empty() ? "" : list->choices.front();
}

void GlobalFirewallPage::Failed(std::string const& name) {
  GetUserInterface().MessageBox("The firewall \"" + name + "\" could not be stored.", "", MB_OK | MB_ICONWARNING);
}

void GlobalFirewallPage::Add() {
  FirewallConfig firewall(CString(""), nullptr);
  if (!FirewallPropertiesPage::Edit(firewall, "")) return;
  std::string const name = firewall.GetFirewallName().Str();
  if (!FirewallStore::SaveFirewall(&firewall, true)) Failed(name);
  FillList(name);
}

void GlobalFirewallPage::EditSelected() {
  std::string const name = Control(kList)->value;
  std::unique_ptr<FirewallConfig> firewall(name.empty() ? nullptr : FirewallStore::LookupFirewall(CString(name)));
  if (!firewall || !FirewallPropertiesPage::Edit(*firewall, name)) return;
  std::string const newName = firewall->GetFirewallName().Str();
  bool const stored = (newName == name || FirewallStore::RenameFirewall(CString(name), CString(newName))) &&
                      FirewallStore::SaveFirewall(firewall.get(), false);
  if (!stored) Failed(newName);
  FillList(newName);
}

void GlobalFirewallPage::DeleteSelected() {
  std::string const name = Control(kList)->value;
  if (name.empty()) return;
  if (GetUserInterface().MessageBox("Delete the firewall \"" + name + "\"?", "", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  if (!FirewallStore::DeleteFirewall(CString(name)))
    GetUserInterface().MessageBox("The firewall \"" + name + "\" could not be deleted.", "", MB_OK | MB_ICONWARNING);
  FillList("");
}
