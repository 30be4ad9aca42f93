#include "session/FirewallStore.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "IBuffer.h"
#include "VProfileKey.h"
#include "VProfileKeyIterator.h"
#include "VProfileStore.h"
#include "platform/registry/NameFolding.h"
#include "session/FirewallConfig.h"

namespace {

constexpr char const* kEntryMark = "Is Session";
constexpr char const* kTypeValue = "Firewall Type";

void AppendBigEndian(std::string& bytes, uint32_t number) {
  for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>(number >> shift & 0xFF);
}

uint32_t ReadBigEndian(unsigned char const* data) {
  return (uint32_t{data[0]} << 24) | (uint32_t{data[1]} << 16) | (uint32_t{data[2]} << 8) | uint32_t{data[3]};
}

}  // namespace

CString FirewallStore::GetFirewallDBPath(CString const& name) {
  CString path(kKeyName);
  if (!name.IsEmpty()) (path += "\\") += name.Str();
  return path;
}

bool FirewallStore::IsDirectName(CString const& name) { return FoldName(name.Str()) == FoldName(kDirectName); }

bool FirewallStore::IsStorableName(CString const& name) {
  return !name.IsEmpty() && name.Str().find('\\') == std::string::npos;
}

bool FirewallStore::IsFirewallEntry(VProfileKey& key) {
  unsigned long mark = 0;
  VString type;
  return key.GetDword(kEntryMark, mark) || key.GetSz(kTypeValue, type);
}

// Tests before opening: opening a missing key would create it.
bool FirewallStore::HasEntry(VProfileKey& root, CString const& name) {
  CString const path = GetFirewallDBPath(name);
  if (!root.KeyExists(path)) return false;
  VProfileKey key(&root, path);
  return IsFirewallEntry(key);
}

FirewallConfig* FirewallStore::LookupFirewall(CString const& name) {
  if (name == kDirectName) return new FirewallConfig(name, nullptr);
  if (!IsStorableName(name)) return nullptr;
  VProfileStore store;
  if (!HasEntry(*store.Root(), name)) return nullptr;
  VProfileKey key(store.Root(), GetFirewallDBPath(name));
  return new FirewallConfig(name, &key);
}

bool FirewallStore::FirewallExists(CString const& name) {
  if (name == kDirectName) return true;
  if (!IsStorableName(name)) return false;
  VProfileStore store(true, nullptr);
  return HasEntry(*store.Root(), name);
}

bool FirewallStore::SaveFirewall(FirewallConfig* firewall, bool force) {
  if (firewall == nullptr) return false;
  CString const& name = firewall->GetFirewallName();
  if (IsDirectName(name) || !IsStorableName(name)) return false;
  VProfileStore store;
  bool const existed = HasEntry(*store.Root(), name);
  VProfileKey key(store.Root(), GetFirewallDBPath(name));
  if (!key.IsWritable()) return false;
  if (existed) {
    firewall->Save(&key, false);
  } else {
    FirewallConfig fresh(name, &key);
    fresh = *firewall;
    fresh.Save(&key, force);
  }
  unsigned long mark = 0;
  if (!key.GetDword(kEntryMark, mark)) key.SetDword(kEntryMark, 1);
  return true;
}

bool FirewallStore::DeleteFirewall(CString const& name) {
  if (name == kDirectName || !IsStorableName(name)) return false;
  VProfileStore store;
  if (!store.Root()->KeyExists(GetFirewallDBPath(name))) return false;
  VProfileKey firewalls(store.Root(), kKeyName);
  return firewalls.DeleteKey(name);
}

bool FirewallStore::RenameFirewall(CString const& name, CString const& newName) {
  if (IsDirectName(newName) || !IsStorableName(newName)) return false;
  VProfileStore store;
  std::unique_ptr<FirewallConfig> firewall(name == kDirectName ? nullptr : LookupFirewall(name));
  if (!firewall) return false;
  bool const sameKey = FoldName(name.Str()) == FoldName(newName.Str());
  if (!sameKey && store.Root()->KeyExists(GetFirewallDBPath(newName))) return false;
  if (!DeleteFirewall(name)) return false;
  firewall->SetFirewallName(newName.Str());
  return SaveFirewall(firewall.get(), true);
}

void FirewallStore::GetFirewallNames(CStringList& out) {
  out.AddTail(kDirectName);
  VProfileStore store(true, nullptr);
  if (!store.Root()->KeyExists(kKeyName)) return;
  VProfileKey firewalls(store.Root(), kKeyName);
  VProfileKeyIterator names(&firewalls, false);
  for (VString name; names.Next(name);) {
    // "None" is listed first already, and a stored key of that name is never used.
    if (name == kDirectName) continue;
    VProfileKey key(&firewalls, name);
    if (IsFirewallEntry(key)) out.AddTail(name.Str());
  }
}

void FirewallStore::GetSerializedFirewallNames(IBuffer* buffer) {
  if (buffer == nullptr) return;
  CStringList names;
  GetFirewallNames(names);
  std::string entries;
  for (POSITION position = names.GetHeadPosition(); position;) {
    std::string const& name = names.GetNext(position).Str();
    AppendBigEndian(entries, static_cast<uint32_t>(name.size()));
    entries += name;
  }
  std::string bytes;
  AppendBigEndian(bytes, static_cast<uint32_t>(entries.size()));
  bytes += entries;
  buffer->SetLength(0);
  buffer->Append(bytes.data(), static_cast<unsigned int>(bytes.size()), 0);
}

bool FirewallStore::SplitSerializedFirewallNames(unsigned char const* data, unsigned int length, CStringList& out) {
  if (data == nullptr || length < 4 || ReadBigEndian(data) != length - 4) return false;
  std::vector<std::string> names;
  for (unsigned int at = 4; at < length;) {
    if (length - at < 4) return false;
    uint32_t const size = ReadBigEndian(data + at);
    at += 4;
    if (size > length - at) return false;
    names.emplace_back(reinterpret_cast<char const*>(data + at), size);
    at += size;
  }
  for (std::string& name : names) out.AddTail(std::move(name));
  return true;
}
