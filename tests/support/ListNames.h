// The strings of a framework list in their order, for comparing with an expected vector.
#pragma once

#include <string>
#include <vector>

#include "platform/types/CStringList.h"

inline std::vector<std::string> ListNames(CStringList& list) {
  std::vector<std::string> names;
  for (POSITION p = list.GetHeadPosition(); p;) names.push_back(list.GetNext(p).Str());
  return names;
}
