#include "dialogs/ConnectTreeItem.h"

#include <algorithm>

#include "database/SessionDatabase.h"
#include "platform/registry/NameFolding.h"
#include "session/ISessionConfig.h"

ConnectTreeItem::~ConnectTreeItem() { ForgetSession(); }

std::string ConnectTreeItem::Path() const {
  if (IsRoot()) return {};
  std::string const above = m_parent->Path();
  return above.empty() ? m_label : above + "\\" + m_label;
}

ConnectTreeItem* ConnectTreeItem::Insert(size_t index, std::unique_ptr<ConnectTreeItem> child) {
  index = std::min(index, m_children.size());
  return m_children.insert(m_children.begin() + static_cast<long>(index), std::move(child))->get();
}

void ConnectTreeItem::Remove(ConnectTreeItem* child) {
  size_t const index = IndexOf(child);
  if (index < m_children.size()) m_children.erase(m_children.begin() + static_cast<long>(index));
}

size_t ConnectTreeItem::IndexOf(ConnectTreeItem const* child) const {
  for (size_t i = 0; i < m_children.size(); ++i)
    if (m_children[i].get() == child) return i;
  return m_children.size();
}

ConnectTreeItem* ConnectTreeItem::Child(std::string const& label, Kind kind) const {
  std::string const folded = FoldName(label);
  for (auto const& child : m_children)
    if (child->m_kind == kind && FoldName(child->m_label) == folded) return child.get();
  return nullptr;
}

ConnectTreeItem* ConnectTreeItem::PreviousOfKind() const {
  if (IsRoot()) return nullptr;
  size_t index = m_parent->IndexOf(this);
  while (index-- > 0)
    if (m_parent->m_children[index]->m_kind == m_kind) return m_parent->m_children[index].get();
  return nullptr;
}

size_t ConnectTreeItem::FolderCount() const {
  return static_cast<size_t>(std::count_if(m_children.begin(), m_children.end(), [](auto const& c) { return c->IsFolder(); }));
}

ISessionConfig* ConnectTreeItem::Session(bool sortAlphabetically) {
  if (IsFolder()) return nullptr;
  if (!m_session) m_session = SessionDatabase(sortAlphabetically).Lookup(Path().c_str());
  return m_session;
}

void ConnectTreeItem::ForgetSession() {
  if (m_session) m_session->Release();
  m_session = nullptr;
  for (auto& child : m_children) child->ForgetSession();
}
