// Conversion between UTF-8 byte strings and UTF-16LE byte strings, strict in both directions.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class Utf16Text {
 public:
  // Decodes UTF-16LE bytes into UTF-8. On an odd length or an unpaired surrogate returns false,
  // leaves `utf8` unchanged and sets `badOffset` to the byte offset of the fault.
  static bool ToUtf8(std::string_view utf16le, std::string& utf8, std::size_t& badOffset);
  // Encodes UTF-8 into UTF-16LE bytes. Returns false, leaving `utf16le` unchanged, when the input
  // is not well-formed UTF-8 (overlong forms, surrogates and values past U+10FFFF included).
  static bool FromUtf8(std::string_view utf8, std::string& utf16le);
  static bool IsUtf8(std::string_view bytes);
  // Appends one code point (at most U+10FFFF, not a surrogate) as UTF-8.
  static void AppendUtf8(std::string& out, char32_t codePoint);

 private:
  // Reads one code point at `pos`, advancing it; returns false on a malformed sequence.
  static bool NextCodePoint(std::string_view utf8, std::size_t& pos, char32_t& codePoint);
  static void AppendUnit(std::string& out, char16_t unit);
};
