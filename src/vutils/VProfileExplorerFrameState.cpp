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

bool VProfileExplorerFrameState::FromText(VString const& text, VString& error) {
  Numbers numbers{};
  if (!text.IsEmpty() && !Parse(text.View(), numbers)) {
    error = VOptionText::Refusal(GetName(), Form(), text);
    return false;
  }
  VString::operator=(text);
  ParseText();
  return true;
}

bool VProfileExplorerFrameState::Parse(std::string_view text, Numbers& numbers) {
  std::vector<int64_t> parsed;
  if (!VCommaNumbers::Parse(text, parsed) || parsed.size() != numbers.size()) return false;
  for (int64_t number : parsed)
    if (!std::in_range<int32_t>(number)) return false;
  for (size_t i = 0; i < numbers.size(); ++i) numbers[i] = static_cast<int32_t>(parsed[i]);
  return true;
}
