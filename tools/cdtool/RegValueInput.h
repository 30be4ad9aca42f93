// Turns the data options of `cdtool reg set` into a value's type and stored bytes.
#pragma once

#include <optional>
#include <string>
#include <vector>

class RegValueInput {
 public:
  // The one item that stands for the empty list (CLI11's notation, and what --multi-sz given
  // without items delivers), so that "" can be an empty item.
  static constexpr char const* kEmptyList = "{}";

  // Each returns false with Error() set when the text is malformed.
  bool FromDword(std::string const& text);  // decimal, or hex with 0x: 0 to 4294967295
  bool FromSz(std::string const& text);
  bool FromBinary(std::string const& text);  // hex digit pairs; commas, colons and spaces between are ignored
  bool FromMultiSz(std::vector<std::string> const& items);  // empty items are kept

  unsigned long Type() const { return m_type; }
  std::string const& Data() const { return m_data; }
  std::string const& Error() const { return m_error; }

 private:
  bool Fail(std::string reason);

  unsigned long m_type = 0;
  std::string m_data;
  std::string m_error;
};
