#include "VProfileCapiString.h"

#include <cstring>
#include <string>
#include <vector>

#include "VTraceFile.h"
#include "platform/msgtable/SystemMessageTable.h"
#include "platform/protect/DataProtection.h"

namespace {

constexpr char kPrefix[] = "CAPI:";
constexpr size_t kPrefixLength = sizeof kPrefix - 1;
constexpr char kDescription[] = "VProfileCapiString";
constexpr char kHexDigits[] = "0123456789ABCDEF";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// False when a character is not a hexadecimal digit.
bool HexToBytes(std::string_view hex, std::vector<unsigned char>& bytes) {
  bytes.resize(hex.size() / 2);
  for (size_t i = 0; i < bytes.size(); ++i) {
    int high = HexValue(hex[2 * i]), low = HexValue(hex[2 * i + 1]);
    if (high < 0 || low < 0) return false;
    bytes[i] = static_cast<unsigned char>(high << 4 | low);
  }
  return true;
}

}  // namespace

bool VProfileCapiString::IsProtectedForm(char const* stored) {
  return stored && std::strncmp(stored, kPrefix, kPrefixLength) == 0;
}

bool VProfileCapiString::Load(VProfileKey* key, char const* name, VString const& defaultValue) {
  SetName(name);
  VString stored;
  bool const found = ReadSz(key, stored);
  TakeLoaded(found, found ? Unprotect(stored) : VString(), defaultValue);
  return true;
}

void VProfileCapiString::Save(VProfileKey* key, bool force) {
  if (!NeedsSave(force)) return;
  VString stored = Protect(Current());
  if (m_error.GetCode() != 0) return;
  WriteSz(key, stored);
  MarkSaved();
}

bool VProfileCapiString::FromText(VString const& text, VString& error) {
  if (VOptionText::IsMask(text)) return true;
  if (VOptionText::HasZeroByte(text)) {
    error = VOptionText::Refusal(GetName(), Form(), text);
    return false;
  }
  VProfile2::operator=(text);
  return true;
}

VString VProfileCapiString::Protect(VString const& text) {
  m_error.Reset(0);
  if (text.IsEmpty()) return VString();
  std::vector<unsigned char> sealed;
  std::string reason;
  if (!GetDataProtection().Protect(text.c_str(), text.Length() + 1, kDescription, sealed, reason)) {
    Fail(kCodeProtectFailed, &reason);
    return VString();
  }
  std::string stored(kPrefix);
  stored.reserve(kPrefixLength + 2 * sealed.size());
  for (unsigned char byte : sealed) {
    stored += kHexDigits[byte >> 4];
    stored += kHexDigits[byte & 0x0F];
  }
  return VString(stored);
}

VString VProfileCapiString::Unprotect(VString const& stored) {
  m_error.Reset(0);
  VString text;
  text.SetSensitive();
  if (stored.IsEmpty()) return text;
  std::string_view hex = stored.View();
  if (IsProtectedForm(stored.c_str())) hex.remove_prefix(kPrefixLength);
  std::vector<unsigned char> sealed;
  if (hex.size() % 2 != 0 || !HexToBytes(hex, sealed)) {
    Fail(kCodeMalformedHex, nullptr);
    return text;
  }
  SecretBytes plain;
  std::string reason;
  if (!GetDataProtection().Unprotect(sealed.data(), sealed.size(), plain, reason)) {
    Fail(kCodeUnprotectFailed, &reason);
    return text;
  }
  auto const* bytes = reinterpret_cast<char const*>(plain.Data());
  size_t length = plain.Size() == 0 ? 0 : strnlen(bytes, plain.Size());
  text.Append(bytes, length);
  return text;
}

void VProfileCapiString::Fail(unsigned long code, std::string const* reason) {
  m_error.Reset(code);
  m_error.AddString(GetName().c_str());
  if (reason) m_error.AddString(reason->c_str());
  VTraceFile::WriteLine(m_error.GetText());
}
