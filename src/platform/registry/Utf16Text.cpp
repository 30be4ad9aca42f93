#include "platform/registry/Utf16Text.h"

namespace {

char16_t UnitAt(std::string_view bytes, std::size_t pos) {
  return static_cast<char16_t>(static_cast<unsigned char>(bytes[pos]) |
                               (static_cast<unsigned char>(bytes[pos + 1]) << 8));
}

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

bool Utf16Text::ToUtf8(std::string_view utf16le, std::string& utf8, std::size_t& badOffset) {
  std::string out;
  out.reserve(utf16le.size());
  std::size_t pos = 0;
  for (; pos + 1 < utf16le.size(); pos += 2) {
    char32_t unit = UnitAt(utf16le, pos);
    if (IsLowSurrogate(unit)) break;
    if (IsHighSurrogate(unit)) {
      if (pos + 3 >= utf16le.size() || !IsLowSurrogate(UnitAt(utf16le, pos + 2))) break;
      unit = 0x10000 + ((unit - 0xD800) << 10) + (UnitAt(utf16le, pos + 2) - 0xDC00);
      pos += 2;
    }
    AppendUtf8(out, unit);
  }
  if (pos != utf16le.size()) {
    badOffset = pos;
    return false;
  }
  utf8 = std::move(out);
  return true;
}

bool Utf16Text::FromUtf8(std::string_view utf8, std::string& utf16le) {
  std::string out;
  out.reserve(utf8.size() * 2);
  for (std::size_t pos = 0; pos < utf8.size();) {
    char32_t codePoint = 0;
    if (!NextCodePoint(utf8, pos, codePoint)) return false;
    if (codePoint >= 0x10000) {
      AppendUnit(out, static_cast<char16_t>(0xD800 + ((codePoint - 0x10000) >> 10)));
      AppendUnit(out, static_cast<char16_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF)));
    } else {
      AppendUnit(out, static_cast<char16_t>(codePoint));
    }
  }
  utf16le = std::move(out);
  return true;
}

bool Utf16Text::IsUtf8(std::string_view bytes) {
  char32_t codePoint = 0;
  for (std::size_t pos = 0; pos < bytes.size();)
    if (!NextCodePoint(bytes, pos, codePoint)) return false;
  return true;
}

bool Utf16Text::NextCodePoint(std::string_view utf8, std::size_t& pos, char32_t& codePoint) {
  auto const lead = static_cast<unsigned char>(utf8[pos]);
  int length = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    codePoint = lead;
    ++pos;
    return true;
  }
  if ((lead & 0xE0) == 0xC0) {
    length = 2, minimum = 0x80, codePoint = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, minimum = 0x800, codePoint = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, minimum = 0x10000, codePoint = lead & 0x07;
  } else {
    return false;
  }
  if (pos + length > utf8.size()) return false;
  for (int i = 1; i < length; ++i) {
    auto const next = static_cast<unsigned char>(utf8[pos + i]);
    if ((next & 0xC0) != 0x80) return false;
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  if (codePoint < minimum || codePoint > 0x10FFFF || IsHighSurrogate(codePoint) || IsLowSurrogate(codePoint))
    return false;
  pos += length;
  return true;
}

void Utf16Text::AppendUtf8(std::string& out, char32_t codePoint) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (codePoint >> 18));
    out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

void Utf16Text::AppendUnit(std::string& out, char16_t unit) {
  out += static_cast<char>(unit & 0xFF);
  out += static_cast<char>(unit >> 8);
}
