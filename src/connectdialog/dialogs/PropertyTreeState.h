// The stored form of an options dialog's tree between runs, as two global options: a state
// text with one character per page of the dialog's page table, in its order ('1' expanded,
// '0' collapsed; a missing or other character leaves the page expanded), and the key of the
// page shown last (a text naming no page shows the first page). Within a run the dialog class's
// page state map wins: the stored form is read only while that map is empty.
#pragma once

#include <string>
#include <vector>

class VPropertyPageStateMap;
class VPropertyTreePage;

class PropertyTreeState {
 public:
  // Sets the pages' expanded and selected flags from the stored texts when `map` is empty.
  static void Restore(std::vector<VPropertyTreePage*> const& pages, std::string const& state,
                      std::string const& selected, VPropertyPageStateMap const& map);
  // The state text of `pages` as they are now.
  static std::string State(std::vector<VPropertyTreePage*> const& pages);
};
