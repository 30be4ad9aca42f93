#include "session/FirewallType.h"

#include <algorithm>

namespace {

constexpr FirewallType firewall_types[] = {
    {0, "None", "None"},
    {1, "Generic proxy", "Generic Proxy"},
    {2, "SOCKS version 4", "SOCKSv4"},
    {3, "SOCKS version 5 (no authentication)", "SOCKSv5"},
    {4, "SOCKS version 5 (username/password)", "SOCKSv5_USERPASS"},
    {5, "OPEN host", "OPEN host"},
    {6, "USER user@host:port", "USER user@host:port"},
    {7, "USER user@host port", "USER user@host port"},
    {8, "USER user@host port (with login)", "USER user@host port (with login)"},
    {9, "USER user@host login", "USER user@host login"},
    {10, "SSH jump host", "Jump Host"},
};

// Stored names are ASCII; the locale must not change what matches.
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace

std::span<FirewallType const> FirewallType::All() { return firewall_types; }

FirewallType const* FirewallType::FromStoredName(std::string_view storedName, bool ignoreCase) {
  for (FirewallType const& type : firewall_types)
    if (ignoreCase ? SameIgnoringCase(storedName, type.storedName) : storedName == type.storedName) return &type;
  return nullptr;
}
