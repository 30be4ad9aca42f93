#include "CommandList.h"

int CommandList::RunChosen() const {
  for (Entry const& entry : m_entries)
    if (entry.selected()) return entry.run();
  return 2;
}
