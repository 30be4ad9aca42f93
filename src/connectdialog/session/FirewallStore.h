// The firewall definitions of the installed profile store: one key per firewall below
// "Firewalls", named after it. SessionDatabase's firewall operations forward here unchanged.
// Every call opens the store for its own unit of work and closes it before returning (a call
// made while the caller holds a store open joins the caller's unit of work); failures give
// null or false and show nothing. User-interface thread only.
//
// Which keys are firewalls: a key below "Firewalls" counts when it holds a number named
// "Is Session" (the mark sessions carry) or a text named "Firewall Type" (which every firewall
// record writes into a new key). SaveFirewall also writes the mark, so that readers insisting
// on it see our firewalls, while firewalls written without it are still found. An empty key
// left below "Firewalls" is not a firewall.
//
// The name "None" means a direct connection: it always exists, holds the defaults, and is
// never written or deleted. No firewall is written under it in any letter case either: the
// store's names ignore case, so such a key would stand for the direct connection. Names are
// otherwise taken as given, except that an empty name or one holding a backslash (which would
// reach another key) is refused.
#pragma once

#include "platform/types/CString.h"
#include "platform/types/CStringList.h"

class FirewallConfig;
class VProfileKey;
struct IBuffer;

class FirewallStore {
 public:
  static constexpr char const* kKeyName = "Firewalls";
  static constexpr char const* kDirectName = "None";

  // Whether `name` is "None" in any letter case, a name no firewall may be stored under.
  static bool IsDirectName(CString const& name);

  // "Firewalls", then a backslash and `name` when `name` is not empty.
  static CString GetFirewallDBPath(CString const& name);
  // A new record the caller deletes: defaults for "None", else loaded from the firewall's key
  // (converting an older protected password there); null when there is no such firewall.
  static FirewallConfig* LookupFirewall(CString const& name);
  // Whether LookupFirewall would find it; reads only.
  static bool FirewallExists(CString const& name);
  // Into an existing firewall key only what changed (force is not used there); a new key
  // receives every value. False when refused ("None" in any letter case, no firewall, a bad
  // name) or when the store cannot be written.
  static bool SaveFirewall(FirewallConfig* firewall, bool force);
  // Deletes the firewall's key with everything below it; false when it does not exist, the name
  // is refused, or the deletion fails.
  static bool DeleteFirewall(CString const& name);
  // Moves a firewall to a new name in one unit of work; a change of letter case alone is
  // allowed. False when the firewall does not exist, the new name is refused (as SaveFirewall
  // refuses it), or another key already has the new name. Sessions naming the old firewall are not changed.
  static bool RenameFirewall(CString const& name, CString const& newName);

  // Appends "None", then the stored firewalls in store order.
  static void GetFirewallNames(CStringList& out);
  // Replaces the buffer's contents with the names of GetFirewallNames: a 32-bit big-endian
  // count of the bytes that follow, then per name a 32-bit big-endian length and its bytes.
  static void GetSerializedFirewallNames(IBuffer* buffer);
  // Reads that form back, appending the names to `out`. False, with `out` untouched, when the
  // bytes are not exactly that form.
  static bool SplitSerializedFirewallNames(unsigned char const* data, unsigned int length, CStringList& out);

 private:
  static bool IsStorableName(CString const& name);
  static bool IsFirewallEntry(VProfileKey& key);
  static bool HasEntry(VProfileKey& root, CString const& name);
};
