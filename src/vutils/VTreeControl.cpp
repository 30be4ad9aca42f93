#include "VTreeControl.h"

#include <algorithm>

namespace {

std::vector<VTreeItem> const kNoItems;

}  // namespace

VTreeItem VTreeControl::Insert(std::string label, void* data, VTreeItem parent, VTreeItem after) {
  if (parent != kRoot && !Exists(parent)) return 0;
  std::vector<VTreeItem>& siblings = parent == kRoot ? m_roots : m_items[parent].children;
  auto place = siblings.end();
  if (after == kFirst) {
    place = siblings.begin();
  } else {
    auto const found = std::find(siblings.begin(), siblings.end(), after);
    if (found != siblings.end()) place = found + 1;
  }
  VTreeItem const handle = m_nextHandle++;
  siblings.insert(place, handle);
  m_items[handle] = Item{std::move(label), data, parent, {}, false};
  return handle;
}

void VTreeControl::Delete(VTreeItem item) {
  auto const found = m_items.find(item);
  if (found == m_items.end()) return;
  for (VTreeItem child : std::vector<VTreeItem>(found->second.children)) Delete(child);
  VTreeItem const parent = found->second.parent;
  std::vector<VTreeItem>& siblings = parent == kRoot ? m_roots : m_items[parent].children;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), item), siblings.end());
  m_items.erase(item);
  if (m_selected == item) m_selected = 0;
}

void VTreeControl::DeleteAll() {
  m_items.clear();
  m_roots.clear();
  m_selected = 0;
}

std::string VTreeControl::Label(VTreeItem item) const {
  auto const found = m_items.find(item);
  return found == m_items.end() ? std::string() : found->second.label;
}

void* VTreeControl::Data(VTreeItem item) const {
  auto const found = m_items.find(item);
  return found == m_items.end() ? nullptr : found->second.data;
}

VTreeItem VTreeControl::Parent(VTreeItem item) const {
  auto const found = m_items.find(item);
  return found == m_items.end() ? kRoot : found->second.parent;
}

std::vector<VTreeItem> const& VTreeControl::Children(VTreeItem item) const {
  if (item == kRoot) return m_roots;
  auto const found = m_items.find(item);
  return found == m_items.end() ? kNoItems : found->second.children;
}

int VTreeControl::Depth(VTreeItem item) const {
  int depth = 0;
  for (VTreeItem parent = Parent(item); parent != kRoot; parent = Parent(parent)) ++depth;
  return depth;
}

void VTreeControl::Expand(VTreeItem item, bool expanded) {
  auto const found = m_items.find(item);
  if (found != m_items.end()) found->second.expanded = expanded;
}

bool VTreeControl::IsExpanded(VTreeItem item) const {
  auto const found = m_items.find(item);
  return found != m_items.end() && found->second.expanded;
}

void VTreeControl::Walk(VTreeItem parent, bool visibleOnly, std::vector<VTreeItem>& out) const {
  for (VTreeItem item : Children(parent)) {
    out.push_back(item);
    if (!visibleOnly || IsExpanded(item)) Walk(item, visibleOnly, out);
  }
}

std::vector<VTreeItem> VTreeControl::AllItems() const {
  std::vector<VTreeItem> items;
  Walk(kRoot, false, items);
  return items;
}

std::vector<VTreeItem> VTreeControl::VisibleItems() const {
  std::vector<VTreeItem> items;
  Walk(kRoot, true, items);
  return items;
}

bool VTreeControl::IsVisible(VTreeItem item) const {
  if (!Exists(item)) return false;
  for (VTreeItem parent = Parent(item); parent != kRoot; parent = Parent(parent))
    if (!IsExpanded(parent)) return false;
  return true;
}
