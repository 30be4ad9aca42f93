#include "dialogs/SessionConnectPage.h"

#include <algorithm>

#include "VReportMessageParams.h"
#include "database/SessionName.h"
#include "dialogs/SessionOptionsDialog.h"
#include "platform/ui/UserInterface.h"
#include "resources/LibraryMessageModule.h"
#include "resources/MessageCodes.h"
#include "session/ConnectProtocolTable.h"
#include "session/SessionConfig.h"

SessionConnectPage::SessionConnectPage(unsigned int templateId, std::vector<VPageControl> controls,
                                       SessionOptionsDialog& dialog, SessionConfig& session)
    : VPropertyTreePage(templateId, "Connection", std::move(controls)), m_dialog(dialog), m_session(session) {
  SetTitle("Connection\nConnection");
}

bool SessionConnectPage::SameProtocol(std::string const& a, std::string const& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

VPageControl SessionConnectPage::Declared(int id, VControlKind kind, std::string label) {
  VPageControl control;
  control.id = id;
  control.kind = kind;
  control.label = std::move(label);
  return control;
}

std::vector<VPageControl> SessionConnectPage::Declarations(std::vector<VPageControl> lists) {
  std::vector<VPageControl> controls{Declared(kName, VControlKind::Text, "&Name:")};
  controls.insert(controls.end(), lists.begin(), lists.end());
  controls.push_back(Declared(kDescriptionGroup, VControlKind::Label, "D&escription"));
  controls.push_back(Declared(kDescriptionHint, VControlKind::Label,
                              "Enter a description below that may be optionally displayed in the Connect window."));
  controls.push_back(Declared(kDescription, VControlKind::Text, ""));
  return controls;
}

std::vector<int> SessionConnectPage::EntriesOfProducts(std::vector<int> const& products) {
  ConnectProtocolTable const& table = GetConnectProtocolTable();
  std::vector<int> entries;
  for (int product : products)
    for (int i = 0; i < table.GetSize(); ++i)
      if (table[i].productId == product) entries.push_back(i);
  // "None" is every side's choice, whichever product registered it.
  for (int i = 0; i < table.GetSize(); ++i)
    if (table[i].protocolName == "None" && std::find(entries.begin(), entries.end(), i) == entries.end())
      entries.push_back(i);
  return entries;
}

void SessionConnectPage::FillList(int listId, std::vector<int> const& entries, std::string const& current) {
  VPageControl* list = Control(listId);
  Items& items = ItemsOf(listId);
  ConnectProtocolTable const& table = GetConnectProtocolTable();
  list->choices.clear();
  items.indexes.clear();
  list->value.clear();
  for (int index : entries) {
    list->choices.push_back(table[index].protocolName.Str());
    items.indexes.push_back(index);
    if (list->value.empty() && SameProtocol(list->choices.back(), current)) list->value = list->choices.back();
  }
  if (list->value.empty() && !current.empty()) {
    list->choices.push_back(current);
    items.indexes.push_back(-1);
    list->value = current;
  }
  list->shown = list->value;
  items.current = list->value;
}

int SessionConnectPage::IndexOfItem(int listId, std::string const& item) const {
  VPageControl const* list = Control(listId);
  if (!list) return -1;
  std::vector<int> const& indexes = ItemsOf(listId).indexes;
  size_t const at = std::find(list->choices.begin(), list->choices.end(), item) - list->choices.begin();
  return at < indexes.size() ? indexes[at] : -1;
}

int SessionConnectPage::SettledIndex(int listId) const { return IndexOfItem(listId, ItemsOf(listId).current); }

void SessionConnectPage::ShowSettled(int listId) {
  VPageControl* list = Control(listId);
  list->value = list->shown = ItemsOf(listId).current;
}

bool SessionConnectPage::Picked(VPageControl& list, int& index) {
  Items& items = ItemsOf(list.id);
  if (list.value == items.current) return false;
  index = IndexOfItem(list.id, list.value);
  if (index < 0) {
    VReportMessageParams report(message::kProtocolNotSupported, &LibraryMessageModule::Get());
    report.AddString(list.value.c_str());
    GetUserInterface().MessageBox(report.GetText(), "", MB_OK | MB_ICONERROR);
    list.value = list.shown = items.current;
    return false;
  }
  items.current = list.shown = list.value;
  return true;
}

// The lists are filled once per opening: an unknown protocol stays listed after it was left.
bool SessionConnectPage::Create() {
  VPropertyTreePage::Create();
  Control(kName)->value = m_session.GetSessionName().Str();
  return true;
}

bool SessionConnectPage::OnSetActive() {
  if (!VPropertyTreePage::OnSetActive()) return false;
  VPageControl* description = Control(kDescription);
  description->value = description->shown = m_session.description.GetText(false).Str();
  return true;
}

bool SessionConnectPage::OnKillActive() {
  std::string const name = Control(kName)->value;
  if (std::string const problem = SessionName::Problem(name); !problem.empty()) {
    GetUserInterface().MessageBox(problem, "", MB_OK | MB_ICONWARNING);
    return false;
  }
  if (!VPropertyTreePage::OnKillActive()) return false;
  if (name != m_session.GetSessionName().Str()) m_session.SetSessionName(CString(name.c_str()));
  VPageControl const* description = Control(kDescription);
  if (description->value != description->shown) m_session.description.SetText(description->value);
  return true;
}
