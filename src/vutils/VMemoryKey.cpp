#include "VMemoryKey.h"

#include <algorithm>
#include <cstring>

#include "VMemoryKeyIterator.h"
#include "platform/registry/Registry.h"
#include "platform/types/WinTypes.h"

namespace {

// The registry's limits, so that a name this store accepts is one the registry accepts too.
constexpr size_t kMaxKeyNameLength = 255;
constexpr size_t kMaxValueNameLength = 16383;

bool ValidValueName(char const* name) { return name && std::strlen(name) <= kMaxValueNameLength; }

}  // namespace

std::optional<std::vector<std::string_view>> VMemoryKey::SplitPath(char const* path) {
  std::vector<std::string_view> parts;
  std::string_view rest(path ? path : "");
  if (rest.empty()) return parts;
  while (true) {
    size_t const cut = rest.find('\\');
    std::string_view const part = rest.substr(0, cut);
    if (part.empty() || part.size() > kMaxKeyNameLength) return std::nullopt;
    parts.push_back(part);
    if (cut == std::string_view::npos) return parts;
    rest.remove_prefix(cut + 1);
  }
}

std::shared_ptr<VMemoryNode> VMemoryKey::Walk(std::shared_ptr<VMemoryNode> node, char const* path, bool create) {
  auto parts = SplitPath(path);
  if (!parts || !node || node->IsDeleted()) return nullptr;
  // A path that would end too deep makes nothing, not even its first levels.
  if (node->Depth() + parts->size() > kRegMaxKeyDepth) create = false;
  for (std::string_view part : *parts) {
    node = create ? node->AddChild(part) : node->Child(part);
    if (!node) return nullptr;
  }
  return node;
}

VMemoryNode::Value const* VMemoryKey::Find(char const* name, unsigned long type) const {
  if (!IsOpen() || !ValidValueName(name)) return nullptr;
  VMemoryNode::Value const* value = m_node->FindValue(name);
  return (value && value->type == type) ? value : nullptr;
}

bool VMemoryKey::Store(char const* name, unsigned long type, void const* data, size_t length) {
  if (!IsOpen() || !IsWritable() || !ValidValueName(name) || (!data && length > 0)) return false;
  m_node->SetValue(name, type, static_cast<unsigned char const*>(data), length);
  return true;
}

bool VMemoryKey::GetMultiSz(char const* name, VStringArray& out) {
  out.RemoveAll();
  VMemoryNode::Value const* value = Find(name, REG_MULTI_SZ);
  if (!value) return false;
  auto const* bytes = reinterpret_cast<char const*>(value->data.data());
  size_t const length = value->data.size();
  size_t offset = 0;
  while (offset < length) {
    size_t const end = static_cast<size_t>(std::find(bytes + offset, bytes + length, '\0') - bytes);
    // The list's own terminating empty string is not an element.
    if (end == offset && offset == length - 1) break;
    out.Add(VString(bytes + offset, end - offset));
    offset = end + 1;
  }
  return true;
}

bool VMemoryKey::GetBinary(char const* name, void* data, unsigned long& size) {
  if (!IsOpen() || !ValidValueName(name)) return false;
  VMemoryNode::Value const* value = m_node->FindValue(name);
  if (!value) return false;
  unsigned long const capacity = size;
  size = static_cast<unsigned long>(value->data.size());
  if (value->type != REG_BINARY || size > capacity || (size > 0 && !data)) return false;
  if (size > 0) std::memcpy(data, value->data.data(), size);
  return true;
}

bool VMemoryKey::GetSz(char const* name, VString& out) {
  VMemoryNode::Value const* value = Find(name, REG_SZ);
  if (!value) return false;
  auto const* bytes = reinterpret_cast<char const*>(value->data.data());
  out = VString(bytes, static_cast<size_t>(std::find(bytes, bytes + value->data.size(), '\0') - bytes));
  return true;
}

bool VMemoryKey::GetDword(char const* name, unsigned long& out) {
  VMemoryNode::Value const* value = Find(name, REG_DWORD);
  if (!value || value->data.size() != 4) return false;
  uint32_t number = 0;
  std::memcpy(&number, value->data.data(), 4);
  out = number;
  return true;
}

bool VMemoryKey::SetMultiSz(char const* name, VStringArray const& values) {
  std::vector<char> buffer;
  for (VString const& item : values) {
    buffer.insert(buffer.end(), item.c_str(), item.c_str() + item.Length());
    buffer.push_back('\0');
  }
  buffer.push_back('\0');
  return Store(name, REG_MULTI_SZ, buffer.data(), buffer.size());
}

bool VMemoryKey::SetBinary(char const* name, void const* data, unsigned long length) {
  return Store(name, REG_BINARY, data, length);
}

bool VMemoryKey::SetSz(char const* name, char const* text) {
  if (!text) text = "";
  return Store(name, REG_SZ, text, std::strlen(text) + 1);
}

bool VMemoryKey::SetDword(char const* name, unsigned long value) {
  uint32_t const number = static_cast<uint32_t>(value);
  return Store(name, REG_DWORD, &number, 4);
}

bool VMemoryKey::DeleteValue(char const* name) {
  if (!IsOpen() || !IsWritable() || !ValidValueName(name)) return false;
  return m_node->RemoveValue(name);
}

bool VMemoryKey::DeleteKey(char const* name) {
  auto parts = SplitPath(name);
  if (!IsOpen() || !parts || parts->empty() || m_node->Depth() + parts->size() > kRegMaxKeyDepth) return false;
  std::shared_ptr<VMemoryNode> parent = m_node;
  for (size_t level = 0; level + 1 < parts->size(); ++level) parent = parent->AddChild((*parts)[level]);
  parent->AddChild(parts->back());
  return RemoveTree(*parent, parts->back());
}

bool VMemoryKey::RemoveTree(VMemoryNode& parent, std::string_view name) {
  std::shared_ptr<VMemoryNode> child = parent.Child(name);
  if (!child) return false;
  // From the last subkey down, so that a removal does not shift the names still to visit.
  bool nestedRemoved = true;
  for (size_t index = child->ChildCount(); nestedRemoved && index-- > 0;)
    nestedRemoved = RemoveTree(*child, std::string(child->ChildName(index)));
  return parent.RemoveChild(name) && nestedRemoved;
}

bool VMemoryKey::KeyExists(char const* name) { return IsOpen() && Walk(m_node, name, false) != nullptr; }

VProfilePrivateKey* VMemoryKey::OpenKey(char const* name) {
  std::shared_ptr<VMemoryNode> node = IsOpen() ? Walk(m_node, name, !m_readOnly) : nullptr;
  return new VMemoryKey(std::move(node), m_readOnly);
}

VProfilePrivateKeyIterator* VMemoryKey::CreateIterator(bool values) {
  return new VMemoryKeyIterator(IsOpen() ? m_node : nullptr, values);
}
