#include "dialogs/PropertyTreeState.h"

#include "VPropertyPageStateMap.h"
#include "VPropertyTreePage.h"

void PropertyTreeState::Restore(std::vector<VPropertyTreePage*> const& pages, std::string const& state,
                                std::string const& selected, VPropertyPageStateMap const& map) {
  if (map.GetCount() != 0) return;
  for (size_t i = 0; i < pages.size(); ++i) {
    if (i < state.size() && (state[i] == '0' || state[i] == '1')) pages[i]->SetExpanded(state[i] == '1');
    pages[i]->SetSelected(pages[i]->Caption() == selected);
  }
}

std::string PropertyTreeState::State(std::vector<VPropertyTreePage*> const& pages) {
  std::string state;
  for (VPropertyTreePage const* page : pages) state += page->IsExpanded() ? '1' : '0';
  return state;
}
