#include "VProfileExplorerFrameState.h"

#include <utility>
#include <vector>

void VProfileExplorerFrameState::SetNumbers(Numbers const& numbers) { Assign(numbers, {numbers.begin(), numbers.end()}); }

bool VProfileExplorerFrameState::Parse(std::string_view text, Numbers& numbers) const {
  std::vector<int64_t> parsed;
  if (!VCommaNumbers::Parse(text, parsed) || parsed.size() != numbers.size()) return false;
  for (int64_t number : parsed)
    if (!std::in_range<int32_t>(number)) return false;
  for (size_t i = 0; i < numbers.size(); ++i) numbers[i] = static_cast<int32_t>(parsed[i]);
  return true;
}
