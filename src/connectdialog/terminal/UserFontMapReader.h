// Reads a user font map, one line at a time: the 16-bit character each of the 256 codes of the
// terminal's font shows. Each non-empty line is one code's entry in order, a hexadecimal number
// (optionally "0x"-prefixed) of which the low 16 bits count; a line that is no number leaves its
// entry 0. Lines after the 256th are ignored.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

class UserFontMapReader {
 public:
  static constexpr int kEntryCount = 256;
  using FontMap = std::array<uint16_t, kEntryCount>;

  UserFontMapReader() : m_map(std::make_shared<FontMap>()) {}

  // `line` without its line feed and carriage returns.
  void ReadLine(std::string_view line);
  bool Full() const { return m_next == kEntryCount; }
  // The map read so far; entries not reached are 0.
  std::shared_ptr<FontMap const> Map() const { return m_map; }

  // The number "%x" reads at the start of `text` (blanks, a sign, "0x", hex digits), cut to 16
  // bits; false when there are no digits.
  static bool ParseHex16(std::string_view text, uint16_t& value);

 private:
  std::shared_ptr<FontMap> m_map;
  int m_next = 0;
};
