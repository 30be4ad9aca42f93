#include "terminal/UserFontMapReader.h"

#include "VHexDigit.h"

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

}  // namespace

void UserFontMapReader::ReadLine(std::string_view line) {
  if (line.empty() || Full()) return;
  uint16_t value = 0;
  if (ParseHex16(line, value)) (*m_map)[m_next] = value;
  ++m_next;
}

// Only the low 16 bits are kept, so larger numbers wrap instead of overflowing.
bool UserFontMapReader::ParseHex16(std::string_view text, uint16_t& value) {
  size_t at = 0;
  while (at < text.size() && IsSpace(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  // "0x" is a prefix only when a digit follows; otherwise the "0" is the number.
  if (at + 2 < text.size() && text[at] == '0' && (text[at + 1] == 'x' || text[at + 1] == 'X') &&
      VHexDigit(text[at + 2]) >= 0)
    at += 2;
  uint16_t number = 0;
  size_t const digitsStart = at;
  for (int digit; at < text.size() && (digit = VHexDigit(text[at])) >= 0; ++at)
    number = static_cast<uint16_t>(number << 4 | digit);
  if (at == digitsStart) return false;
  value = negative ? static_cast<uint16_t>(-number) : number;
  return true;
}
