#include "VOptionText.h"

#include <limits>
#include <string>

#include "VHexDigit.h"

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameLetters(std::string_view text, std::string_view lower) {
  if (text.size() != lower.size()) return false;
  for (size_t i = 0; i < text.size(); ++i)
    if (Lower(text[i]) != lower[i]) return false;
  return true;
}

// Digits of `radix` only, at least one; false past `limit`.
bool Magnitude(std::string_view digits, int radix, uint64_t limit, uint64_t& value) {
  if (digits.empty()) return false;
  uint64_t total = 0;
  for (char c : digits) {
    int const digit = VHexDigit(c);
    if (digit < 0 || digit >= radix) return false;
    total = total * static_cast<uint64_t>(radix) + static_cast<uint64_t>(digit);
    if (total > limit) return false;
  }
  value = total;
  return true;
}

}  // namespace

char const* VOptionText::FormName(VOptionForm form) {
  switch (form) {
    case VOptionForm::Flag: return "flag";
    case VOptionForm::Number: return "number";
    case VOptionForm::Unsigned: return "unsigned";
    case VOptionForm::Text: return "text";
    case VOptionForm::EncodedText: return "encoded text";
    case VOptionForm::ProtectedText: return "protected text";
    case VOptionForm::Layout: return "layout";
    case VOptionForm::Record: return "record";
    case VOptionForm::Bytes: return "bytes";
    case VOptionForm::TextList: return "text list";
    case VOptionForm::Lines: return "lines";
    case VOptionForm::List: return "list";
    case VOptionForm::Nested: return "nested record";
    case VOptionForm::Protocol: return "protocol";
  }
  return "unknown";
}

VString VOptionText::Accepted(VOptionForm form) {
  switch (form) {
    case VOptionForm::Flag: return "a flag: true or false (also 1 or 0, yes or no, on or off)";
    case VOptionForm::Number: return "a number: -2147483648 to 2147483647, or 0x0 to 0xffffffff";
    case VOptionForm::Unsigned: return "an unsigned number: 0 to 4294967295, or 0x0 to 0xffffffff";
    case VOptionForm::Text: return "a text without zero bytes";
    case VOptionForm::EncodedText:
      return VString("an encoded text of at most " + std::to_string(kMaxEncodedLength) + " bytes without zero bytes");
    case VOptionForm::ProtectedText: return "a protected text without zero bytes";
    case VOptionForm::Layout: return "a layout: whole numbers separated by commas, as the window keeps them, or nothing";
    case VOptionForm::Record: return "a record of hex bytes";
    case VOptionForm::Bytes: return "bytes: two hex digits per byte, at least one byte";
    case VOptionForm::TextList:
    case VOptionForm::Lines: return "a list: a JSON array of texts such as [\"one\",\"\",\"three\"]";
    case VOptionForm::List: return "a list kept in a key of its own, which is not set from text";
    case VOptionForm::Nested: return "a group of options, each set by its own name";
    case VOptionForm::Protocol: return "a protocol of the protocol table";
  }
  return "an option of an unknown form";
}

VString VOptionText::RecordAccepted(size_t size) {
  return VString("a record of " + std::to_string(size) + " bytes: " + std::to_string(2 * size) + " hex digits");
}

VString VOptionText::Refusal(VString const& name, VString const& accepted, VString const& text, bool repeatText) {
  VString message = VString("\"") + name + "\" is " + accepted;
  if (repeatText) message += VString(", not \"") + text + "\"";
  return message;
}

VString VOptionText::Refusal(VString const& name, VOptionForm form, VString const& text) {
  bool const secret = form == VOptionForm::EncodedText || form == VOptionForm::ProtectedText;
  return Refusal(name, Accepted(form), text, !secret);
}

bool VOptionText::ParseNumber(std::string_view text, bool isSigned, uint32_t& bits) {
  uint64_t constexpr kAllBits = std::numeric_limits<uint32_t>::max();
  uint64_t magnitude = 0;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    if (!Magnitude(text.substr(2), 16, kAllBits, magnitude)) return false;
    bits = static_cast<uint32_t>(magnitude);
    return true;
  }
  bool const negative = isSigned && text.starts_with('-');
  if (negative) text.remove_prefix(1);
  uint64_t const limit = !isSigned ? kAllBits : negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1;
  if (!Magnitude(text, 10, limit, magnitude)) return false;
  bits = static_cast<uint32_t>(negative ? (uint64_t{1} << 32) - magnitude : magnitude);
  return true;
}

bool VOptionText::ParseFlag(std::string_view text, bool& flag) {
  for (std::string_view yes : {"true", "1", "yes", "on"})
    if (SameLetters(text, yes)) return flag = true;
  for (std::string_view no : {"false", "0", "no", "off"})
    if (SameLetters(text, no)) {
      flag = false;
      return true;
    }
  return false;
}

bool VOptionText::ParseHex(std::string_view text, std::vector<unsigned char>& bytes) {
  if (text.size() % 2 != 0) return false;
  std::vector<unsigned char> parsed(text.size() / 2);
  for (size_t i = 0; i < parsed.size(); ++i) {
    int const high = VHexDigit(text[2 * i]), low = VHexDigit(text[2 * i + 1]);
    if (high < 0 || low < 0) return false;
    parsed[i] = static_cast<unsigned char>(high << 4 | low);
  }
  bytes = std::move(parsed);
  return true;
}

VString VOptionText::Hex(void const* data, size_t length) {
  static constexpr char kDigits[] = "0123456789abcdef";
  auto const* bytes = static_cast<unsigned char const*>(data);
  std::string text(2 * length, '0');
  for (size_t i = 0; i < length; ++i) {
    text[2 * i] = kDigits[bytes[i] >> 4];
    text[2 * i + 1] = kDigits[bytes[i] & 0x0F];
  }
  return VString(text);
}
