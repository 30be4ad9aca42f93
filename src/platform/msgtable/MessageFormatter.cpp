#include "platform/msgtable/MessageFormatter.h"

#include <cstdint>
#include <cstdio>

namespace {

// Bounds a conversion's width and precision so a message cannot ask for huge output.
constexpr size_t kMaxField = 4096;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool ReadField(std::string_view spec, size_t& i, std::string& printfSpec) {
  size_t value = 0;
  while (i < spec.size() && IsDigit(spec[i])) {
    value = value * 10 + static_cast<size_t>(spec[i] - '0');
    if (value > kMaxField) return false;
    printfSpec += spec[i++];
  }
  return true;
}

// The length modifier's width in bits: 64 for ll/I64, 16 for h, 8 for hh, 32 for none, l and I32.
int ReadLength(std::string_view spec, size_t& i) {
  static constexpr struct {
    std::string_view text;
    int bits;
  } kLengths[] = {{"ll", 64}, {"I64", 64}, {"I32", 32}, {"hh", 8}, {"h", 16}, {"l", 32}};
  for (auto const& length : kLengths) {
    if (spec.substr(i, length.text.size()) == length.text) {
      i += length.text.size();
      return length.bits;
    }
  }
  return 32;
}

template <typename T>
void AppendPrintf(std::string& text, std::string const& format, T value) {
  int needed = std::snprintf(nullptr, 0, format.c_str(), value);
  if (needed <= 0) return;
  size_t old = text.size();
  text.resize(old + static_cast<size_t>(needed) + 1);
  std::snprintf(text.data() + old, static_cast<size_t>(needed) + 1, format.c_str(), value);
  text.resize(old + static_cast<size_t>(needed));
}

void AppendSigned(std::string& text, std::string format, char conversion, int bits, unsigned long number) {
  if (bits == 64) return AppendPrintf(text, format + "ll" + conversion, static_cast<long long>(number));
  if (bits == 16) return AppendPrintf(text, format + conversion, static_cast<int>(static_cast<int16_t>(number)));
  if (bits == 8) return AppendPrintf(text, format + conversion, static_cast<int>(static_cast<int8_t>(number)));
  AppendPrintf(text, format + conversion, static_cast<int>(static_cast<int32_t>(number)));
}

void AppendUnsigned(std::string& text, std::string format, char conversion, int bits, unsigned long number) {
  if (bits == 64) return AppendPrintf(text, format + "ll" + conversion, static_cast<unsigned long long>(number));
  if (bits == 16) return AppendPrintf(text, format + conversion, static_cast<unsigned>(static_cast<uint16_t>(number)));
  if (bits == 8) return AppendPrintf(text, format + conversion, static_cast<unsigned>(static_cast<uint8_t>(number)));
  AppendPrintf(text, format + conversion, static_cast<unsigned>(static_cast<uint32_t>(number)));
}

}  // namespace

bool MessageFormatter::Format(std::string& out) {
  m_pos = 0;
  m_stopped = false;
  std::string text;
  while (m_pos < m_pattern.size() && !m_stopped) {
    char c = m_pattern[m_pos];
    if (c == '%') {
      ++m_pos;
      if (!Escape(text)) return false;
    } else if (Has(kSingleLine) && (c == '\r' || c == '\n')) {
      bool pair = c == '\r' && m_pos + 1 < m_pattern.size() && m_pattern[m_pos + 1] == '\n';
      m_pos += pair ? 2 : 1;
      text += ' ';
    } else {
      text += c;
      ++m_pos;
    }
  }
  out += text;
  return true;
}

bool MessageFormatter::Escape(std::string& text) {
  if (m_pos >= m_pattern.size()) return true;  // a lone % at the very end says nothing
  char c = m_pattern[m_pos];
  if (c >= '1' && c <= '9') return Insert(text);
  ++m_pos;
  switch (c) {
    case '0': m_stopped = true; break;
    case 'n':
      if (!Has(kSingleLine)) text += "\r\n";
      break;
    case 'r': text += '\r'; break;
    case 't': text += '\t'; break;
    case 'b': text += ' '; break;
    default: text += c; break;
  }
  return true;
}

bool MessageFormatter::Insert(std::string& text) {
  size_t start = m_pos;
  int index = m_pattern[m_pos++] - '0';
  if (m_pos < m_pattern.size() && IsDigit(m_pattern[m_pos])) index = index * 10 + (m_pattern[m_pos++] - '0');
  if (Has(kIgnoreInserts)) {
    text += '%';
    text += m_pattern.substr(start, m_pos - start);
    return true;
  }
  std::string_view spec = "s";
  if (m_pos < m_pattern.size() && m_pattern[m_pos] == '!') {
    size_t close = m_pattern.find('!', m_pos + 1);
    if (close == std::string_view::npos) return false;
    spec = m_pattern.substr(m_pos + 1, close - m_pos - 1);
    m_pos = close + 1;
  }
  if (index > m_inserts.count) return false;
  return Convert(index - 1, spec, text);
}

bool MessageFormatter::Convert(int index, std::string_view spec, std::string& text) const {
  std::string format = "%";
  size_t i = 0;
  while (i < spec.size() && std::string_view("-+ #0").find(spec[i]) != std::string_view::npos) format += spec[i++];
  if (!ReadField(spec, i, format)) return false;
  if (i < spec.size() && spec[i] == '.') {
    format += spec[i++];
    if (!ReadField(spec, i, format)) return false;
  }
  size_t beforeLength = i;
  int bits = ReadLength(spec, i);
  bool hasLength = i != beforeLength;
  if (i + 1 != spec.size()) return false;
  char conversion = spec[i];
  bool isString = m_inserts.IsString(index);
  switch (conversion) {
    case 'd':
    case 'i':
      if (isString) return false;
      AppendSigned(text, format, conversion, bits, m_inserts.Number(index));
      return true;
    case 'u':
    case 'o':
    case 'x':
    case 'X':
      if (isString) return false;
      AppendUnsigned(text, format, conversion, bits, m_inserts.Number(index));
      return true;
    case 'c':
      if (isString || hasLength) return false;
      AppendPrintf(text, format + 'c', static_cast<int>(static_cast<unsigned char>(m_inserts.Number(index))));
      return true;
    case 's':
      if (!isString || hasLength) return false;
      AppendPrintf(text, format + 's', m_inserts.Text(index));
      return true;
    default: return false;
  }
}
