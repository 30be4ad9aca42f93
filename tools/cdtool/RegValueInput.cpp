#include "RegValueInput.h"

#include <cctype>
#include <charconv>
#include <cstdint>

#include "platform/types/WinTypes.h"

bool RegValueInput::FromDword(std::string const& text) {
  bool const hex = text.starts_with("0x") || text.starts_with("0X");
  char const* const first = text.data() + (hex ? 2 : 0);
  char const* const last = text.data() + text.size();
  std::uint32_t value = 0;
  auto const [end, error] = std::from_chars(first, last, value, hex ? 16 : 10);
  if (first == last || error != std::errc() || end != last)
    return Fail("--dword needs a whole number from 0 to 4294967295 (or 0x0 to 0xffffffff), not \"" + text + "\"");
  m_type = REG_DWORD;
  m_data.clear();
  for (int shift = 0; shift < 32; shift += 8) m_data += static_cast<char>((value >> shift) & 0xFF);
  return true;
}

bool RegValueInput::FromSz(std::string const& text) {
  m_type = REG_SZ;
  m_data = text + '\0';
  return true;
}

bool RegValueInput::FromBinary(std::string const& text) {
  std::string digits;
  for (char c : text) {
    if (c == ',' || c == ':' || c == ' ') continue;
    if (!std::isxdigit(static_cast<unsigned char>(c)))
      return Fail("--binary needs hex digits such as 0a1b2c or 0a,1b,2c, not \"" + text + "\"");
    digits += c;
  }
  if (digits.size() % 2 != 0) return Fail("--binary needs an even number of hex digits (two per byte)");
  m_type = REG_BINARY;
  m_data.clear();
  for (std::size_t i = 0; i < digits.size(); i += 2)
    m_data += static_cast<char>(std::stoi(digits.substr(i, 2), nullptr, 16));
  return true;
}

bool RegValueInput::FromMultiSz(std::vector<std::string> const& items) {
  std::string data;
  bool const emptyList = items.size() == 1 && items[0] == kEmptyList;
  for (auto const& item : emptyList ? std::vector<std::string>() : items) data += item + '\0';
  m_type = REG_MULTI_SZ;
  m_data = data + '\0';
  return true;
}

bool RegValueInput::Fail(std::string reason) {
  m_error = std::move(reason);
  return false;
}
