// The names a session may choose its firewall from: "None", then every firewall kept below
// "Firewalls" in the installed store, in store order.
#pragma once

struct IBuffer;

class FirewallNameList {
 public:
  // Appends a 32-bit big-endian count of the bytes that follow, then each name as a 32-bit
  // big-endian length and its bytes (no terminator). Nothing when the buffer cannot grow.
  static void Serialize(IBuffer* buffer);
};
