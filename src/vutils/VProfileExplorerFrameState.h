// The layout of an explorer-style frame, kept as a text value of three signed numbers
// ("1,-1,200"). The numbers belong to the host's frame; this value only keeps them, and its
// text always shows them, so saving, checkpoints and rollback work on the text.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "VProfile2.h"

class VProfileExplorerFrameState : public VProfile2<VString, VProfileSz> {
 public:
  using Numbers = std::array<int32_t, 3>;

  // Loads the text like any text value, then reads the numbers from it; a text that does not
  // hold three numbers keeps the numbers as they were.
  bool Load(VProfileKey* key, VString const& defaultValue);
  bool SetFromText(VString const& text, IProfileTextConverter& converter, IReportMessageParams& report) override;
  void Rollback() override;
  void ApplyDelta(VProfileData const* other) override;

  VOptionForm Form() const override { return VOptionForm::Layout; }
  // Takes the empty text or three numbers, so that the text keeps showing the numbers.
  bool FromText(VString const& text, VString& error) override;

  Numbers const& GetNumbers() const { return m_numbers; }
  // Replaces the numbers and the text with them.
  void SetNumbers(Numbers const& numbers);

 private:
  void ParseText() { Parse(View(), m_numbers); }
  // False, with `numbers` untouched, for a text that does not hold three 32-bit numbers.
  static bool Parse(std::string_view text, Numbers& numbers);

  Numbers m_numbers{};
};
