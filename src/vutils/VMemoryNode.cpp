#include "VMemoryNode.h"

#include <algorithm>

#include "platform/registry/NameFolding.h"
#include "platform/registry/Registry.h"

VMemoryNode::Value const* VMemoryNode::FindValue(std::string_view name) const {
  std::string const folded = FoldName(name);
  auto it = std::find_if(m_values.begin(), m_values.end(), [&](Value const& v) { return v.folded == folded; });
  return it == m_values.end() ? nullptr : &*it;
}

std::vector<VMemoryNode::Value>::iterator VMemoryNode::ValueAt(std::string const& folded) {
  return std::find_if(m_values.begin(), m_values.end(), [&](Value const& v) { return v.folded == folded; });
}

void VMemoryNode::SetValue(std::string_view name, unsigned long type, unsigned char const* data, size_t length) {
  std::string folded = FoldName(name);
  auto it = ValueAt(folded);
  if (it == m_values.end()) {
    m_values.push_back(Value{std::string(name), std::move(folded), 0, {}});
    it = m_values.end() - 1;
  }
  it->type = type;
  it->data.assign(data, data + length);
}

bool VMemoryNode::RemoveValue(std::string_view name) {
  auto it = ValueAt(FoldName(name));
  if (it == m_values.end()) return false;
  m_values.erase(it);
  return true;
}

std::vector<VMemoryNode::Entry>::const_iterator VMemoryNode::LowerBound(std::string const& folded) const {
  return std::lower_bound(m_children.begin(), m_children.end(), folded,
                          [](Entry const& entry, std::string const& key) { return entry.folded < key; });
}

std::shared_ptr<VMemoryNode> VMemoryNode::Child(std::string_view name) const {
  std::string const folded = FoldName(name);
  auto it = LowerBound(folded);
  return (it != m_children.end() && it->folded == folded) ? it->node : nullptr;
}

std::shared_ptr<VMemoryNode> VMemoryNode::AddChild(std::string_view name) {
  std::string folded = FoldName(name);
  auto it = LowerBound(folded);
  if (it != m_children.end() && it->folded == folded) return it->node;
  if (m_depth >= kRegMaxKeyDepth) return nullptr;
  auto node = std::make_shared<VMemoryNode>(name, m_depth + 1);
  m_children.insert(it, Entry{std::move(folded), node});
  return node;
}

bool VMemoryNode::RemoveChild(std::string_view name) {
  std::string const folded = FoldName(name);
  auto it = LowerBound(folded);
  if (it == m_children.end() || it->folded != folded) return false;
  VMemoryNode& child = *it->node;
  if (child.m_undeletable || !child.m_children.empty()) return false;
  child.m_deleted = true;
  m_children.erase(it);
  return true;
}
