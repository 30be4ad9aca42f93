#include "VRegistryKey.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "VProfileStoreFactory.h"
#include "VProfileSubtree.h"
#include "platform/protect/SecureWipe.h"
#include "platform/registry/Registry.h"

namespace {

constexpr REGSAM kWritableAccess = KEY_READ | KEY_WRITE;                    // 0x2001F
constexpr REGSAM kReadOnlyAccess = KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS;  // 0x9

void* InstalledSecurityAttributes() {
  VProfileStoreFactory* factory = GetInstalledProfileStoreFactory();
  return factory ? factory->m_securityAttributes : nullptr;
}

HKEY CreateOrOpen(HKEY parent, char const* name) {
  HKEY key = nullptr;
  unsigned long disposition = 0;
  if (RegCreateKeyEx(parent, name, 0, nullptr, 0, kWritableAccess, InstalledSecurityAttributes(), &key,
                     &disposition) == ERROR_SUCCESS)
    return key;
  return nullptr;
}

HKEY OpenForReading(HKEY parent, char const* name, REGSAM access) {
  HKEY key = nullptr;
  return RegOpenKeyEx(parent, name, 0, access, &key) == ERROR_SUCCESS ? key : nullptr;
}

bool NameAt(HKEY key, bool values, int index, VString& name) {
  if (!key || index < 0) return false;
  // Key names fit the first buffer; only long value names need the heap.
  char first[256];
  std::vector<char> larger;
  char* buffer = first;
  unsigned long room = sizeof first;
  for (;;) {
    unsigned long length = room;
    long const rc = values ? RegEnumValue(key, index, buffer, &length, nullptr, nullptr, nullptr, nullptr)
                           : RegEnumKeyEx(key, index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
    if (rc == ERROR_MORE_DATA) {
      larger.resize(room * 4);
      buffer = larger.data();
      room = static_cast<unsigned long>(larger.size());
      continue;
    }
    if (rc != ERROR_SUCCESS) return false;
    name = std::string_view(buffer, length);
    return true;
  }
}

// The registry's bytes read as GetDword or GetSz reads them.
void TakeValue(RegSubtreeKey::Value const& stored, VProfileSubtree::Kind kind, VProfileSubtree::Value& value) {
  if (!stored.found) return;
  if (kind == VProfileSubtree::Kind::Dword) {
    uint32_t number = 0;
    value.found = stored.type == REG_DWORD && stored.data.size() == sizeof number;
    if (value.found) std::memcpy(&number, stored.data.data(), sizeof number);
    value.number = number;
    return;
  }
  value.found = stored.type == REG_SZ;
  if (value.found) value.text = std::string_view(stored.data.c_str(), strnlen(stored.data.c_str(), stored.data.size()));
}

}  // namespace

bool VRegistryKey::Iterator::Next(VString& name) {
  if (!NameAt(m_key, m_values, m_index, name)) return false;
  ++m_index;
  return true;
}

VRegistryKey::VRegistryKey(HKEY parent, char const* name, bool readOnly) : m_readOnly(readOnly) {
  if (!readOnly) m_key = CreateOrOpen(parent, name);
  if (m_key) return;
  // A key we may only read reports itself not writable, so walks can skip it.
  m_key = OpenForReading(parent, name, kReadOnlyAccess);
  m_readOnly = true;
}

VRegistryKey::~VRegistryKey() {
  if (m_key) RegCloseKey(m_key);
}

bool VRegistryKey::ReadValue(char const* name, unsigned long type, VString& data) {
  if (!m_key) return false;
  // One query serves the common short value; a longer one is read again into a buffer of its size.
  unsigned char first[512];
  unsigned long storedType = 0;
  unsigned long size = sizeof first;
  long const rc = RegQueryValueEx(m_key, name, nullptr, &storedType, first, &size);
  if (rc == ERROR_SUCCESS) {
    bool const typed = storedType == type;
    if (typed) data = std::string_view(reinterpret_cast<char const*>(first), size);
    if (data.IsSensitive()) SecureWipe(first, size);
    return typed;
  }
  if (rc != ERROR_MORE_DATA || storedType != type) return false;
  VString bytes;
  bytes.SetSensitive(data.IsSensitive());
  char* buffer = bytes.GetBuffer(size);
  if (RegQueryValueEx(m_key, name, nullptr, &storedType, reinterpret_cast<unsigned char*>(buffer), &size) !=
          ERROR_SUCCESS ||
      storedType != type)
    return false;
  bytes.SetLength(size);
  data = std::move(bytes);
  return true;
}

bool VRegistryKey::GetMultiSz(char const* name, VStringArray& out) {
  out.RemoveAll();
  VString data;
  if (!ReadValue(name, REG_MULTI_SZ, data)) return false;
  size_t offset = 0;
  while (offset < data.Length()) {
    char const* item = data.c_str() + offset;
    size_t const length = strnlen(item, data.Length() - offset);
    if (length == 0 && offset + 1 == data.Length()) break;
    out.Add(VString(item, length));
    offset += length + 1;
  }
  return true;
}

bool VRegistryKey::GetBinary(char const* name, void* data, unsigned long& size) {
  if (!m_key) return false;
  unsigned long type = 0;
  if (size == 0 || !data) {
    // Without room the call only learns the stored length, and succeeds only for an empty block.
    size = 0;
    return RegQueryValueEx(m_key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_BINARY &&
           size == 0;
  }
  return RegQueryValueEx(m_key, name, nullptr, &type, static_cast<unsigned char*>(data), &size) == ERROR_SUCCESS &&
         type == REG_BINARY;
}

bool VRegistryKey::GetSz(char const* name, VString& out) {
  if (!ReadValue(name, REG_SZ, out)) return false;
  out.ReleaseBuffer();  // the text ends at its first NUL, stored terminator or not
  return true;
}

bool VRegistryKey::GetDword(char const* name, unsigned long& out) {
  if (!m_key) return false;
  unsigned long type = 0;
  uint32_t value = 0;
  unsigned long size = sizeof(value);
  if (RegQueryValueEx(m_key, name, nullptr, &type, reinterpret_cast<unsigned char*>(&value), &size) != ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof(value))
    return false;
  out = value;
  return true;
}

bool VRegistryKey::SetValue(char const* name, unsigned long type, void const* data, unsigned long length) {
  return m_key &&
         RegSetValueEx(m_key, name, 0, type, static_cast<unsigned char const*>(data), length) == ERROR_SUCCESS;
}

bool VRegistryKey::SetMultiSz(char const* name, VStringArray const& values) {
  VString buffer;
  for (VString const& value : values) {
    buffer += value;
    buffer += '\0';
  }
  buffer += '\0';
  return SetValue(name, REG_MULTI_SZ, buffer.c_str(), static_cast<unsigned long>(buffer.Length()));
}

bool VRegistryKey::SetBinary(char const* name, void const* data, unsigned long length) {
  return SetValue(name, REG_BINARY, data, length);
}

bool VRegistryKey::SetSz(char const* name, char const* text) {
  if (!text) text = "";
  return SetValue(name, REG_SZ, text, static_cast<unsigned long>(std::strlen(text) + 1));
}

bool VRegistryKey::SetDword(char const* name, unsigned long value) {
  uint32_t const stored = static_cast<uint32_t>(value);
  return SetValue(name, REG_DWORD, &stored, sizeof(stored));
}

bool VRegistryKey::DeleteValue(char const* name) { return m_key && RegDeleteValue(m_key, name) == ERROR_SUCCESS; }

// One registry call removes the whole subtree, atomically and without recursion, whatever its depth.
bool VRegistryKey::DeleteKey(char const* name) {
  if (!m_key || !name || !*name) return false;
  // Opened as a writable open would, as the in-memory store does: a missing key is made, then removed.
  HKEY child = CreateOrOpen(m_key, name);
  if (!child) return false;
  RegCloseKey(child);
  return RegDeleteTree(m_key, name) == ERROR_SUCCESS;
}

bool VRegistryKey::KeyExists(char const* name) {
  if (!m_key) return false;
  HKEY probe = OpenForReading(m_key, name, KEY_READ);
  if (!probe) return false;
  RegCloseKey(probe);
  return true;
}

VProfilePrivateKey* VRegistryKey::OpenKey(char const* name) { return new VRegistryKey(m_key, name, m_readOnly); }

VProfilePrivateKeyIterator* VRegistryKey::CreateIterator(bool values) { return new Iterator(m_key, values); }

bool VRegistryKey::ReadSubtree(unsigned long depth, VProfileSubtree& out) {
  out.Clear();
  auto const& wanted = out.WantedValues();
  if (!m_key) return false;
  if (wanted.size() > RegSubtreeKey::kMostValues) return VProfilePrivateKey::ReadSubtree(depth, out);
  std::vector<RegSubtreeKey::Wanted> names;
  for (VProfileSubtree::Wanted const& value : wanted)
    names.push_back({value.name ? value.name : "", value.keyName ? value.keyName : ""});
  std::vector<RegSubtreeKey> keys;
  if (RegReadSubtree(m_key, depth, names, keys) != ERROR_SUCCESS || keys.empty()) return false;
  out.Reserve(keys.size());
  for (size_t i = 0; i < keys.size(); ++i) {
    // Named in place: a name made first would be copied into the node.
    size_t const index = out.Add(i == 0 ? VProfileSubtree::kNoParent : keys[i].parent, VString());
    if (i > 0) out.At(index).name = std::string_view(keys[i].name);
    for (size_t v = 0; v < wanted.size(); ++v) TakeValue(keys[i].values[v], wanted[v].kind, out.At(index).values[v]);
  }
  return true;
}
