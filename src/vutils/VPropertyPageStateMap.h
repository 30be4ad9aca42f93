// The remembered state of every page of one dialog class, by page key (the page's own caption,
// compared byte for byte). Each dialog class keeps one map for the whole process and empties
// it with its static DeleteStateMap. The map owns its states.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "VPropertyPageState.h"

class VPropertyPageStateMap {
 public:
  // Null when no state is kept under `key`.
  VPropertyPageState* Lookup(std::string const& key) const;
  // Keeps `state` under `key`, replacing what was there, and returns it.
  VPropertyPageState* SetAt(std::string const& key, VPropertyPageState state);
  // Deletes every state.
  void RemoveAll() { m_states.clear(); }
  int GetCount() const { return static_cast<int>(m_states.size()); }

 private:
  std::map<std::string, std::unique_ptr<VPropertyPageState>> m_states;
};
