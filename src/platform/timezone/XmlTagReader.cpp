#include "platform/timezone/XmlTagReader.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace {

constexpr std::string_view kSpace = " \t\r\n";

std::string_view Trim(std::string_view text) {
  size_t const first = text.find_first_not_of(kSpace);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

void AppendUtf8(char32_t code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool DecodeCharacterReference(std::string_view digits, std::string& out) {
  int base = 10;
  if (!digits.empty() && (digits[0] == 'x' || digits[0] == 'X')) {
    base = 16;
    digits.remove_prefix(1);
  }
  uint32_t code = 0;
  auto const [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code, base);
  bool const valid = error == std::errc() && end == digits.data() + digits.size() && !digits.empty() && code != 0 &&
                     code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
  if (valid) AppendUtf8(code, out);
  return valid;
}

}  // namespace

XmlTagReader::Item XmlTagReader::Next() {
  for (;;) {
    size_t const open = m_text.find('<', m_position);
    if (open == std::string_view::npos) return Item::End;
    m_position = open;
    std::string_view const rest = m_text.substr(open);
    if (rest.starts_with("<!--")) return ReadComment();
    if (rest.size() > 1 && (rest[1] == '?' || rest[1] == '!' || rest[1] == '/')) {
      size_t const close = m_text.find('>', open);
      if (close == std::string_view::npos) return Item::Malformed;
      m_position = close + 1;
      continue;
    }
    return ReadTag();
  }
}

std::string XmlTagReader::Attribute(std::string const& name) const {
  auto const found = m_attributes.find(name);
  return found == m_attributes.end() ? std::string() : found->second;
}

XmlTagReader::Item XmlTagReader::ReadComment() {
  size_t const close = m_text.find("-->", m_position + 4);
  if (close == std::string_view::npos) return Item::Malformed;
  m_comment = Trim(m_text.substr(m_position + 4, close - m_position - 4));
  m_position = close + 3;
  return Item::Comment;
}

XmlTagReader::Item XmlTagReader::ReadTag() {
  char quote = 0;
  size_t close = m_position + 1;
  for (; close < m_text.size(); ++close) {
    char const c = m_text[close];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '>') {
      break;
    }
  }
  if (close >= m_text.size()) return Item::Malformed;
  std::string_view inside = m_text.substr(m_position + 1, close - m_position - 1);
  if (inside.ends_with('/')) inside.remove_suffix(1);
  size_t const nameEnd = std::min(inside.find_first_of(kSpace), inside.size());
  m_tagName = inside.substr(0, nameEnd);
  if (m_tagName.empty() || !ReadAttributes(inside.substr(nameEnd))) return Item::Malformed;
  m_position = close + 1;
  return Item::Tag;
}

bool XmlTagReader::ReadAttributes(std::string_view inside) {
  m_attributes.clear();
  for (inside = Trim(inside); !inside.empty(); inside = Trim(inside)) {
    size_t const equals = inside.find('=');
    if (equals == std::string_view::npos) return false;
    std::string const name(Trim(inside.substr(0, equals)));
    std::string_view const rest = Trim(inside.substr(equals + 1));
    if (name.empty() || rest.empty() || (rest[0] != '"' && rest[0] != '\'')) return false;
    size_t const end = rest.find(rest[0], 1);
    if (end == std::string_view::npos) return false;
    std::string value;
    if (!Decode(rest.substr(1, end - 1), value)) return false;
    m_attributes[name] = std::move(value);
    inside = rest.substr(end + 1);
  }
  return true;
}

bool XmlTagReader::Decode(std::string_view raw, std::string& decoded) {
  static constexpr std::pair<std::string_view, char> kEntities[] = {
      {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] != '&') {
      decoded += raw[i];
      continue;
    }
    size_t const semicolon = raw.find(';', i);
    if (semicolon == std::string_view::npos) return false;
    std::string_view const entity = raw.substr(i + 1, semicolon - i - 1);
    bool known = false;
    for (auto const& [name, character] : kEntities)
      if (entity == name) {
        decoded += character;
        known = true;
      }
    if (!known && !(entity.starts_with('#') && DecodeCharacterReference(entity.substr(1), decoded))) return false;
    i = semicolon;
  }
  return true;
}
