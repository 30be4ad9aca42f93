#include "session/FirewallNameList.h"

#include <cstdint>
#include <string>
#include <vector>

#include "IBuffer.h"
#include "VProfileKey.h"
#include "VProfileKeyIterator.h"
#include "VProfileStore.h"

namespace {

constexpr char kFirewalls[] = "Firewalls";

void AppendBigEndian(std::string& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

// Every key below "Firewalls" is a firewall: their writers put nothing else there.
std::vector<std::string> StoredNames() {
  std::vector<std::string> names;
  VProfileStore store(true, nullptr);
  if (!store.Root()->KeyExists(kFirewalls)) return names;
  VProfileKey firewalls(store.Root(), kFirewalls);
  VProfileKeyIterator subkeys(&firewalls, false);
  VString name;
  while (subkeys.Next(name)) names.push_back(name.Str());
  return names;
}

}  // namespace

void FirewallNameList::Serialize(IBuffer* buffer) {
  if (buffer == nullptr) return;
  std::vector<std::string> names{"None"};
  for (std::string& name : StoredNames()) names.push_back(std::move(name));
  std::string body;
  for (std::string const& name : names) {
    AppendBigEndian(body, static_cast<uint32_t>(name.size()));
    body += name;
  }
  std::string serialized;
  AppendBigEndian(serialized, static_cast<uint32_t>(body.size()));
  serialized += body;
  buffer->Append(serialized.data(), static_cast<unsigned int>(serialized.size()), 0);
}
