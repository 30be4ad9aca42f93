// What a property-tree dialog remembers of one page for the rest of the process: whether its
// tree item was expanded and whether it was the selected one.
#pragma once

struct VPropertyPageState {
  bool expanded = true;
  bool selected = false;
};
