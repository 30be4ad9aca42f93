#include "VProfileExplorerFrameState.h"

#include <utility>
#include <vector>

#include "VCommaNumbers.h"

bool VProfileExplorerFrameState::Load(VProfileKey* key, VString const& defaultValue) {
  VProfile2::Load(key, defaultValue);
  ParseText();
  return true;
}

bool VProfileExplorerFrameState::SetFromText(VString const& text, IProfileTextConverter& converter,
                                             IReportMessageParams& report) {
  if (!VProfile2::SetFromText(text, converter, report)) return false;
  ParseText();
  return true;
}

void VProfileExplorerFrameState::Rollback() {
  VProfile2::Rollback();
  ParseText();
}

void VProfileExplorerFrameState::ApplyDelta(VProfileData const* other) {
  VProfile2::ApplyDelta(other);
  ParseText();
}

void VProfileExplorerFrameState::SetNumbers(Numbers const& numbers) {
  m_numbers = numbers;
  VString::operator=(VCommaNumbers::Join({numbers.begin(), numbers.end()}));
}

void VProfileExplorerFrameState::ParseText() {
  std::vector<int64_t> parsed;
  if (!VCommaNumbers::Parse(View(), parsed) || parsed.size() != m_numbers.size()) return;
  for (int64_t number : parsed)
    if (!std::in_range<int32_t>(number)) return;
  for (size_t i = 0; i < m_numbers.size(); ++i) m_numbers[i] = static_cast<int32_t>(parsed[i]);
}
