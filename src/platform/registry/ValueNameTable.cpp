#include "platform/registry/ValueNameTable.h"

ValueNameTable::Name const* ValueNameTable::Find(int64_t id) const {
  auto const found = m_byId.find(id);
  return found == m_byId.end() ? nullptr : &found->second;
}

int64_t const* ValueNameTable::IdOf(std::string_view folded) const {
  auto const found = m_byFolded.find(folded);
  return found == m_byFolded.end() ? nullptr : &found->second;
}

void ValueNameTable::Add(int64_t id, std::string_view name, std::string_view folded) {
  m_byId[id] = Name{std::string(name), std::string(folded)};
  m_byFolded[std::string(folded)] = id;
}

void ValueNameTable::Clear() {
  m_byId.clear();
  m_byFolded.clear();
  m_knownThrough = 0;
}
