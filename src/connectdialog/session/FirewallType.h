// The kinds of firewall a firewall record may name: the value, the name users see and the name
// stored in "Firewall Type". A row's value is its position in the table. A jump host is an SSH
// server passed on the way (its address, port and user); its "Proxy Command" keeps the whole
// hop list as ssh's ProxyJump writes it.
#pragma once

#include <span>
#include <string_view>

struct FirewallType {
  static constexpr char kJumpHost[] = "Jump Host";

  int value;
  char const* displayName;
  char const* storedName;

  static std::span<FirewallType const> All();
  // The row whose stored name matches `storedName` (exactly, or ignoring ASCII letter case);
  // null when none does.
  static FirewallType const* FromStoredName(std::string_view storedName, bool ignoreCase);
};
