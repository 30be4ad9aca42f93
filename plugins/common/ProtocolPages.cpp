#include "ProtocolPages.h"

#include <algorithm>

#include "IPropertyTreeDialog.h"
#include "VProfileRecord.h"
#include "session/ISessionConfig.h"

void ProtocolPages::Show(IPropertyTreeDialog* dialog, CPropertyPage* parent, ISessionConfig* session) {
  auto* record = dynamic_cast<VProfileRecord*>(session);
  auto* parentPage = dynamic_cast<VPropertyTreePage*>(parent);
  if (!dialog || !record || !parentPage) return;
  Shown& shown = m_shown[dialog];
  if (!shown.page) {
    std::string const title = m_declaration.title;
    shown.page = std::make_unique<VPropertyTreePage>(m_declaration.templateId, title.substr(title.find('\n') + 1),
                                                     m_declaration.controls());
    shown.page->SetTitle(title);
  }
  // The session's protocols may have changed since the page was last shown: its options with them.
  shown.options = std::make_unique<VOptionList>(*record);
  shown.page->BindOptions(shown.options.get());
  shown.parent = parentPage;
  std::vector<VPropertyTreePage*> const& children = parentPage->ChildPages();
  if (std::find(children.begin(), children.end(), shown.page.get()) == children.end())
    parentPage->AddChildPage(shown.page.get());
  dialog->ShowPage(shown.page.get());
}

void ProtocolPages::Hide(IPropertyTreeDialog* dialog) {
  auto found = m_shown.find(dialog);
  if (found == m_shown.end()) return;
  dialog->HidePage(found->second.page.get());
  found->second.parent->RemoveChildPage(found->second.page.get());
}

void ProtocolPages::Destroy(IPropertyTreeDialog* dialog) {
  auto found = m_shown.find(dialog);
  if (found == m_shown.end()) return;
  Hide(dialog);
  m_shown.erase(found);
}

VPropertyTreePage* ProtocolPages::PageIn(IPropertyTreeDialog* dialog) const {
  auto found = m_shown.find(dialog);
  return found == m_shown.end() ? nullptr : found->second.page.get();
}
