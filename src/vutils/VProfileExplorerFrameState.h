// The layout of an explorer-style frame, kept as a text value of three signed numbers
// ("1,-1,200"). The numbers belong to the host's frame; this value only keeps them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "VProfileNumbersText.h"

class VProfileExplorerFrameState : public VProfileNumbersText<std::array<int32_t, 3>> {
 public:
  using Numbers = std::array<int32_t, 3>;

  Numbers const& GetNumbers() const { return GetParsed(); }
  // Replaces the numbers and the text with them.
  void SetNumbers(Numbers const& numbers);

 protected:
  // Three numbers, each within 32 bits.
  bool Parse(std::string_view text, Numbers& numbers) const override;
};
