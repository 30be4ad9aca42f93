#include "VProfileEncodedString.h"

#include <cstdlib>
#include <ctime>

namespace {

constexpr size_t kKeyLength = 4;
constexpr size_t kMaxStoredLength = 2046;
constexpr char kHexDigits[] = "0123456789abcdef";

unsigned char RandomByte() {
  static bool const seeded = (std::srand(static_cast<unsigned>(std::time(nullptr))), true);
  (void)seeded;
  return static_cast<unsigned char>(std::rand() & 0xFF);
}

void AppendHex(VString& out, unsigned char byte) {
  char const digits[2] = {kHexDigits[byte >> 4], kHexDigits[byte & 0x0F]};
  out.Append(digits, 2);
}

unsigned char HexValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<unsigned char>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<unsigned char>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<unsigned char>(c - 'A' + 10);
  return 0;
}

// The byte at pair `index`; a missing low digit counts as 0.
unsigned char PairAt(VString const& stored, size_t index) {
  size_t const high = index * 2;
  unsigned char const low = high + 1 < stored.Length() ? HexValue(stored[high + 1]) : 0;
  return static_cast<unsigned char>(HexValue(stored[high]) << 4 | low);
}

}  // namespace

VString VProfileEncodedString::Encode(VString const& text) {
  VString stored;
  stored.SetSensitive();
  if (text.IsEmpty()) return stored;
  unsigned char key[kKeyLength];
  for (unsigned char& byte : key) {
    byte = RandomByte();
    AppendHex(stored, byte);
  }
  for (size_t i = 0; i < text.Length(); ++i)
    AppendHex(stored, static_cast<unsigned char>(text[i]) ^ key[i % kKeyLength]);
  return stored;
}

VString VProfileEncodedString::Decode(VString const& stored) {
  VString text;
  text.SetSensitive();
  if (stored.Length() > kMaxStoredLength) return text;
  size_t const byteCount = (stored.Length() + 1) / 2;
  for (size_t j = kKeyLength; j < byteCount; ++j) {
    char const byte = static_cast<char>(PairAt(stored, j) ^ PairAt(stored, (j - kKeyLength) % kKeyLength));
    if (byte == '\0') break;
    text += byte;
  }
  return text;
}

bool VProfileEncodedString::Load(VProfileKey* key, char const* name, VString const& defaultValue) {
  SetName(name);
  VString stored;
  stored.SetSensitive();
  bool const found = ReadSz(key, stored);
  TakeLoaded(found, found ? Decode(stored) : VString(), defaultValue);
  return true;
}

bool VProfileEncodedString::FromText(VString const& text, VString& error) {
  if (VOptionText::IsMask(text)) return true;
  if (VOptionText::HasZeroByte(text) || text.Length() > VOptionText::kMaxEncodedLength) {
    error = VOptionText::Refusal(GetName(), Form(), text);
    return false;
  }
  VProfile2::operator=(text);
  return true;
}

void VProfileEncodedString::Save(VProfileKey* key, bool force) {
  if (!NeedsSave(force)) return;
  WriteSz(key, Encode(Current()));
  MarkSaved();
}
