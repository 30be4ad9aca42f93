#include "GlobalOptionInput.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "RegValueInput.h"
#include "VProfileKey.h"

bool GlobalOptionInput::Parse(GlobalOption const& option, std::string const& text) {
  m_name = option.name;
  m_type = option.type;
  if (m_type == "number") return ParseNumber(text);
  if (m_type == "flag") return ParseFlag(text);
  if (m_type == "record") return ParseRecord(option, text);
  if (m_type == "list") return Fail("\"" + m_name + "\" is a list kept in a key of its own; it cannot be set here");
  m_bytes = text;
  return true;
}

bool GlobalOptionInput::WriteTo(VProfileKey& key) const {
  if (m_type == "number" || m_type == "flag") return key.SetDword(m_name.c_str(), m_number);
  if (m_type == "record") return key.SetBinary(m_name.c_str(), m_bytes.data(), static_cast<unsigned long>(m_bytes.size()));
  return key.SetSz(m_name.c_str(), m_bytes.c_str());
}

bool GlobalOptionInput::ParseNumber(std::string const& text) {
  bool const hex = text.starts_with("0x") || text.starts_with("0X");
  char const* const first = text.data() + (hex ? 2 : 0);
  char const* const last = text.data() + text.size();
  int64_t value = 0;
  auto const [end, error] = std::from_chars(first, last, value, hex ? 16 : 10);
  bool const whole = first != last && error == std::errc() && end == last && (!hex || value >= 0);
  if (!whole || value < INT32_MIN || value > UINT32_MAX)
    return Fail("\"" + m_name + "\" is a number: -2147483648 to 4294967295, or 0x0 to 0xffffffff, not \"" + text +
                "\"");
  m_number = static_cast<uint32_t>(value);
  return true;
}

bool GlobalOptionInput::ParseFlag(std::string const& text) {
  std::string lower = text;
  std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return std::tolower(c); });
  bool const yes = lower == "true" || lower == "1" || lower == "yes" || lower == "on";
  bool const no = lower == "false" || lower == "0" || lower == "no" || lower == "off";
  if (!yes && !no) return Fail("\"" + m_name + "\" is a flag: true or false (1, 0, yes, no, on, off), not \"" + text + "\"");
  m_number = yes ? 1 : 0;
  return true;
}

bool GlobalOptionInput::ParseRecord(GlobalOption const& option, std::string const& text) {
  RegValueInput bytes;
  if (!bytes.FromBinary(text)) return Fail("\"" + m_name + "\" is a record of hex bytes such as 0a1b2c, not \"" + text + "\"");
  if (option.size != 0 && bytes.Data().size() != option.size)
    return Fail("\"" + m_name + "\" is a record of " + std::to_string(option.size) + " bytes (" +
                std::to_string(option.size * 2) + " hex digits), not " + std::to_string(bytes.Data().size()));
  m_bytes = bytes.Data();
  return true;
}

bool GlobalOptionInput::Fail(std::string reason) {
  m_error = std::move(reason);
  return false;
}
