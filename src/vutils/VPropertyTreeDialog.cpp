#include "VPropertyTreeDialog.h"

#include <algorithm>

#include "VPropertyPageStateMap.h"
#include "VPropertyTreePage.h"
#include "platform/types/UserInterfaceCodes.h"
#include "platform/types/VirtualKeys.h"

namespace {

// Finds `page` among `pages` (the children of `owner`) and below: its owner and the item of the
// nearest earlier sibling that is in the tree.
bool FindPlace(std::vector<VPropertyTreePage*> const& pages, VPropertyTreePage* owner, VPropertyTreePage* page,
               VPropertyTreePage*& parent, VTreeItem& after) {
  VTreeItem previous = VTreeControl::kFirst;
  for (VPropertyTreePage* candidate : pages) {
    if (candidate == page) {
      parent = owner;
      after = previous;
      return true;
    }
    if (candidate->TreeItem()) previous = candidate->TreeItem();
    if (FindPlace(candidate->ChildPages(), candidate, page, parent, after)) return true;
  }
  return false;
}

}  // namespace

VPropertyTreeDialog::VPropertyTreeDialog(char const* title, VPropertyTreeIds ids, VPropertyTreePage* current,
                                         VPropertyPageStateMap* stateMap, CWnd* parent)
    : m_title(title), m_ids(ids), m_parent(parent), m_current(current), m_stateMap(stateMap) {}

void VPropertyTreeDialog::AddPage(VPropertyTreePage* page) {
  if (page) m_pages.push_back(page);
}

void VPropertyTreeDialog::RemovePage(VPropertyTreePage* page) {
  auto const found = std::find(m_pages.begin(), m_pages.end(), page);
  if (found != m_pages.end()) m_pages.erase(found);
}

void VPropertyTreeDialog::Open() {
  DialogModel::Open();
  m_open = true;
  m_windowTitle = m_title;
  m_tree.DeleteAll();
  for (VPropertyTreePage* page : m_pages) {
    page->Create();
    InsertPage(page, VTreeControl::kRoot, VTreeControl::kLast, true);
  }
  std::vector<VTreeItem> const& roots = m_tree.Children(VTreeControl::kRoot);
  if ((!m_tree.Selected() || m_startOnFirstPage) && !roots.empty()) SelectItem(roots.front());
  m_treeFocus = true;
}

void VPropertyTreeDialog::InsertPage(VPropertyTreePage* page, VTreeItem parent, VTreeItem after, bool opening) {
  page->SetStateMap(m_stateMap);
  if (VPropertyPageState const* state = m_stateMap ? m_stateMap->Lookup(page->Caption()) : nullptr) {
    page->SetExpanded(state->expanded);
    page->SetSelected(state->selected);
  } else if (m_stateMap) {
    m_stateMap->SetAt(page->Caption(), VPropertyPageState{page->IsExpanded(), page->IsSelected()});
  }
  VTreeItem const item = m_tree.Insert(page->Label(), page, parent, after);
  page->SetTreeItem(item);
  for (VPropertyTreePage* child : page->ChildPages()) {
    if (opening || !child->IsCreated()) child->Create();
    InsertPage(child, item, VTreeControl::kLast, opening);
  }
  if (page->IsExpanded()) m_tree.Expand(item, true);
  if (page->IsSelected()) SelectItem(item);
}

VPropertyTreePage* VPropertyTreeDialog::PageOf(VTreeItem item) const {
  return static_cast<VPropertyTreePage*>(m_tree.Data(item));
}

VTreeItem VPropertyTreeDialog::FindItem(std::string const& label) const {
  for (VTreeItem item : m_tree.AllItems())
    if (m_tree.Label(item) == label) return item;
  return 0;
}

bool VPropertyTreeDialog::SelectItem(VTreeItem item) {
  if (!m_tree.Exists(item)) return false;
  if (item == m_tree.Selected()) return true;
  VPropertyTreePage* next = PageOf(item);
  if (!m_selectionChanging && m_current && !m_current->OnKillActive()) {
    m_treeFocus = false;  // the refusing page put the focus on its faulty control
    return false;
  }
  if (next && !next->OnSetActive()) return false;
  m_tree.MarkSelected(item);
  ShowSelected(next);
  return true;
}

void VPropertyTreeDialog::ShowSelected(VPropertyTreePage* page) {
  VPropertyTreePage* old = m_current;
  if (old) old->Show(false);
  m_caption = page ? "  " + page->CaptionPart() : std::string();
  if (page) page->Show(true);
  if (old) old->SetSelected(false);
  if (page) page->SetSelected(true);
  m_current = page;
}

bool VPropertyTreeDialog::ExpandItem(VTreeItem item, bool expanded) {
  if (!m_tree.Exists(item)) return false;
  // Collapsing hides the selection: it moves to the collapsed item, if the page lets it.
  VTreeItem const selected = m_tree.Selected();
  if (!expanded && selected != item && m_tree.Exists(selected) && PageOf(item)->Contains(PageOf(selected)) &&
      !SelectItem(item))
    return false;
  m_tree.Expand(item, expanded);
  if (VPropertyTreePage* page = PageOf(item)) page->SetExpanded(expanded);
  return true;
}

bool VPropertyTreeDialog::OnKey(int virtualKey, bool ctrl, bool shift, bool alt) {
  if (!ctrl || alt) return false;
  bool forward = true;
  if (virtualKey == VK_PRIOR) {
    forward = false;
  } else if (virtualKey == VK_TAB) {
    forward = !shift;
  } else if (virtualKey != VK_NEXT) {
    return false;
  }
  std::vector<VTreeItem> const visible = m_tree.VisibleItems();
  if (visible.empty()) return true;
  auto const at = std::find(visible.begin(), visible.end(), m_tree.Selected());
  VTreeItem target = 0;
  if (forward) {
    target = at == visible.end() || at + 1 == visible.end() ? visible.front() : *(at + 1);
  } else {
    target = at == visible.end() || at == visible.begin() ? visible.back() : *(at - 1);
  }
  SelectItem(target);
  return true;
}

void VPropertyTreeDialog::OnOK() {
  if (!m_current) return;
  if (m_current->OnKillActive()) {
    EndDialog(IDOK);
    for (VTreeItem item : m_tree.AllItems())
      if (VPropertyTreePage* page = PageOf(item)) page->OnOK();
  } else {
    m_treeFocus = false;
  }
}

bool VPropertyTreeDialog::Command(int id, std::string& error) {
  if (StandardButton(id)) return true;
  if (!m_current) return DialogModel::Command(id, error);
  bool const done = m_current->Command(id, error);
  if (done) m_treeFocus = false;
  return done;
}

bool VPropertyTreeDialog::SetControl(int id, std::string const& value, std::string& error) {
  if (!m_current) return DialogModel::SetControl(id, value, error);
  bool const done = m_current->SetControl(id, value, error);
  if (done) m_treeFocus = false;
  return done;
}

bool VPropertyTreeDialog::Place(VPropertyTreePage* page, VPropertyTreePage*& parent, VTreeItem& after) const {
  parent = nullptr;
  after = VTreeControl::kFirst;
  return FindPlace(m_pages, nullptr, page, parent, after);
}

void VPropertyTreeDialog::ClearRememberedSelection(VPropertyTreePage* page) {
  page->SetStateMap(m_stateMap);
  page->SetSelected(false);
  for (VPropertyTreePage* child : page->ChildPages()) ClearRememberedSelection(child);
}

void VPropertyTreeDialog::ShowPage(VPropertyTreePage* page) {
  if (!page || page->TreeItem() || !IsOpen()) return;
  VPropertyTreePage* parent = nullptr;
  VTreeItem after = VTreeControl::kFirst;
  if (!Place(page, parent, after)) return;
  VTreeItem const parentItem = parent ? parent->TreeItem() : VTreeControl::kRoot;
  if (parent && !parentItem) return;  // its parent is out of the tree: it comes back with it
  if (m_startOnFirstPage || m_replacingPages) ClearRememberedSelection(page);
  if (!page->IsCreated()) page->Create();
  InsertPage(page, parentItem, after, false);
  if (parent && parent->IsExpanded()) m_tree.Expand(parentItem, true);
}

void VPropertyTreeDialog::HidePage(VPropertyTreePage* page) {
  if (!page) return;
  if (IsOpen() && m_current && page->Contains(m_current)) {
    std::vector<VTreeItem> const& roots = m_tree.Children(VTreeControl::kRoot);
    auto const first = std::find_if(roots.begin(), roots.end(), [&](VTreeItem item) { return !page->Contains(PageOf(item)); });
    m_selectionChanging = true;
    bool const moved = first != roots.end() && SelectItem(*first);
    m_selectionChanging = false;
    if (!moved) {
      m_tree.MarkSelected(0);
      ShowSelected(nullptr);
    }
  } else if (m_current && page->Contains(m_current)) {
    m_current = nullptr;  // a closed dialog's page going away: nothing may point to it
  }
  TakeOut(page);
}

void VPropertyTreeDialog::TakeOut(VPropertyTreePage* page) {
  VTreeItem const item = page->TreeItem();
  if (m_tree.Exists(item)) page->SetExpanded(m_tree.IsExpanded(item));
  if (page->IsSelected() && m_tree.Selected() == item) m_tree.MarkSelected(0);
  for (VPropertyTreePage* child : page->ChildPages()) TakeOut(child);
  m_tree.Delete(item);
  page->SetTreeItem(0);
  page->Show(false);
  page->SetSelected(false);
}
