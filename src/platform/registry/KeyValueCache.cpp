#include "platform/registry/KeyValueCache.h"

#include <algorithm>
#include <functional>

void KeyValueCache::Clear() { m_count = 0; }

KeyValueCache::Entry& KeyValueCache::Append() {
  if (m_count == m_entries.size()) m_entries.emplace_back();
  return m_entries[m_count++];
}

void KeyValueCache::Index() {
  m_order.resize(m_count);
  for (size_t i = 0; i < m_count; ++i) m_order[i] = static_cast<uint32_t>(i);
  std::sort(m_order.begin(), m_order.end(), [&](uint32_t a, uint32_t b) { return m_entries[a].id < m_entries[b].id; });
  size_t size = 16;
  while (size < m_count * 2) size *= 2;
  m_slots.assign(size, 0);
  for (size_t i = 0; i < m_count; ++i) m_slots[SlotOf(m_entries[i].folded)] = static_cast<uint32_t>(i + 1);
}

// The slot holding `folded`, or the free slot where it would go (linear probing).
size_t KeyValueCache::SlotOf(std::string_view folded) const {
  size_t const mask = m_slots.size() - 1;
  size_t slot = std::hash<std::string_view>()(folded) & mask;
  while (m_slots[slot] != 0 && m_entries[m_slots[slot] - 1].folded != folded) slot = (slot + 1) & mask;
  return slot;
}

KeyValueCache::Entry const* KeyValueCache::Find(std::string_view folded) const {
  if (m_slots.empty()) return nullptr;
  uint32_t const index = m_slots[SlotOf(folded)];
  return index ? &m_entries[index - 1] : nullptr;
}

void KeyValueCache::Set(std::string_view name, std::string_view folded, unsigned long type, std::string_view data) {
  if (m_slots.empty()) Index();
  size_t const slot = SlotOf(folded);
  if (m_slots[slot] != 0) {
    Entry& entry = m_entries[m_slots[slot] - 1];
    entry.type = type;
    entry.data.assign(data);
    return;
  }
  // A new value is the key's newest.
  int64_t const newest = m_order.empty() ? 0 : m_entries[m_order.back()].id;
  Entry& entry = Append();
  entry.id = newest + 1;
  entry.type = type;
  entry.name.assign(name);
  entry.folded.assign(folded);
  entry.data.assign(data);
  if (m_count * 2 > m_slots.size()) {
    Index();
    return;
  }
  m_slots[slot] = static_cast<uint32_t>(m_count);
  m_order.push_back(static_cast<uint32_t>(m_count - 1));
}

void KeyValueCache::Erase(std::string_view folded) {
  if (!Find(folded)) return;
  auto const end = m_entries.begin() + static_cast<std::ptrdiff_t>(m_count);
  auto const found = std::find_if(m_entries.begin(), end, [&](Entry const& entry) { return entry.folded == folded; });
  std::rotate(found, found + 1, end);
  --m_count;
  Index();
}

void KeyValueCache::Names(std::vector<std::string>& names) const {
  names.resize(m_count);
  for (size_t i = 0; i < m_count; ++i) names[i] = InOrder(i).name;
}
