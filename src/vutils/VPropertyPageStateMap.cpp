#include "VPropertyPageStateMap.h"

VPropertyPageState* VPropertyPageStateMap::Lookup(std::string const& key) const {
  auto const found = m_states.find(key);
  return found == m_states.end() ? nullptr : found->second.get();
}

VPropertyPageState* VPropertyPageStateMap::SetAt(std::string const& key, VPropertyPageState state) {
  std::unique_ptr<VPropertyPageState>& slot = m_states[key];
  slot = std::make_unique<VPropertyPageState>(state);
  return slot.get();
}
