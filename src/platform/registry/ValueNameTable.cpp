#include "platform/registry/ValueNameTable.h"

ValueNameTable::Name const* ValueNameTable::Find(int64_t id) const {
  if (id < 0 || id >= kDenseIds) {
    auto const found = m_sparse.find(id);
    return found == m_sparse.end() ? nullptr : found->second;
  }
  size_t const place = static_cast<size_t>(id);
  return place < m_dense.size() ? m_dense[place] : nullptr;
}

int64_t const* ValueNameTable::IdOf(std::string_view folded) const {
  auto const found = m_byFolded.find(folded);
  return found == m_byFolded.end() ? nullptr : &found->second;
}

// A name's number and spelling never change once stored, so a name known already stays as it is.
void ValueNameTable::Add(int64_t id, std::string_view name, std::string_view folded) {
  if (Find(id)) return;
  Name const& added = m_names.emplace_back(Name{std::string(name), std::string(folded)});
  if (id < 0 || id >= kDenseIds) {
    m_sparse[id] = &added;
  } else {
    size_t const place = static_cast<size_t>(id);
    if (place >= m_dense.size()) m_dense.resize(place + 1, nullptr);
    m_dense[place] = &added;
  }
  m_byFolded[added.folded] = id;
}

void ValueNameTable::Clear() {
  m_byFolded.clear();
  m_dense.clear();
  m_sparse.clear();
  m_names.clear();
  m_knownThrough = 0;
}
