#include "VTextList.h"

#include <cstdint>
#include <string>
#include <utility>

namespace {

void AppendEscaped(std::string& out, std::string_view text) {
  static constexpr char kDigits[] = "0123456789abcdef";
  out += '"';
  for (char c : text) {
    auto const byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (byte < 0x20 || byte == 0x7F) {
      out += "\\u00";
      out += kDigits[byte >> 4];
      out += kDigits[byte & 0x0F];
    } else {
      out += c;
    }
  }
  out += '"';
}

void AppendUtf8(std::string& out, uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | code >> 6);
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | code >> 12);
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | code >> 18);
    out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Reads the JSON array from the front of a text, one part at a time.
class Reader {
 public:
  explicit Reader(std::string_view text) : m_rest(text) {}

  bool Take(char c) {
    SkipBlanks();
    if (m_rest.empty() || m_rest.front() != c) return false;
    m_rest.remove_prefix(1);
    return true;
  }

  bool AtEnd() {
    SkipBlanks();
    return m_rest.empty();
  }

  bool String(std::string& out) {
    if (!Take('"')) return false;
    while (!m_rest.empty()) {
      char const c = Next();
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c != '\\') {
        out += c;
      } else if (!Escape(out)) {
        return false;
      }
    }
    return false;
  }

 private:
  char Next() {
    char const c = m_rest.front();
    m_rest.remove_prefix(1);
    return c;
  }

  void SkipBlanks() {
    while (!m_rest.empty() && (m_rest.front() == ' ' || m_rest.front() == '\t' || m_rest.front() == '\n' ||
                               m_rest.front() == '\r'))
      m_rest.remove_prefix(1);
  }

  bool Escape(std::string& out) {
    if (m_rest.empty()) return false;
    char const c = Next();
    static constexpr std::string_view kPlain = "\"\\/bfnrt";
    static constexpr std::string_view kMeant = "\"\\/\b\f\n\r\t";
    if (size_t const at = kPlain.find(c); at != std::string_view::npos) {
      out += kMeant[at];
      return true;
    }
    if (c != 'u') return false;
    uint32_t code = 0;
    if (!Hex4(code)) return false;
    if (code >= 0xD800 && code < 0xDC00) {
      uint32_t low = 0;
      if (!m_rest.starts_with("\\u")) return false;
      m_rest.remove_prefix(2);
      if (!Hex4(low) || low < 0xDC00 || low >= 0xE000) return false;
      code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
    } else if (code >= 0xDC00 && code < 0xE000) {
      return false;
    }
    if (code == 0) return false;
    AppendUtf8(out, code);
    return true;
  }

  bool Hex4(uint32_t& code) {
    if (m_rest.size() < 4) return false;
    for (int i = 0; i < 4; ++i) {
      char const c = Next();
      int const digit = c >= '0' && c <= '9'   ? c - '0'
                        : c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                               : -1;
      if (digit < 0) return false;
      code = code << 4 | static_cast<uint32_t>(digit);
    }
    return true;
  }

  std::string_view m_rest;
};

}  // namespace

VString VTextList::Format(VStringArray const& list) {
  std::string text = "[";
  for (VString const& element : list) {
    if (text.size() > 1) text += ',';
    AppendEscaped(text, element.View());
  }
  text += ']';
  return VString(text);
}

bool VTextList::Parse(std::string_view text, VStringArray& list) {
  Reader reader(text);
  VStringArray parsed;
  if (!reader.Take('[')) return false;
  if (!reader.Take(']')) {
    do {
      std::string element;
      if (!reader.String(element)) return false;
      parsed.Add(VString(element));
    } while (reader.Take(','));
    if (!reader.Take(']')) return false;
  }
  if (!reader.AtEnd()) return false;
  list = std::move(parsed);
  return true;
}
