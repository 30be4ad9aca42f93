// Older stores kept some secrets (a firewall password, a login script) in the per-user
// protected "CAPI:" form, which another user or machine sharing the store cannot read. Such a
// value is converted to the encoded form the first time it is loaded.
#pragma once

class VProfileEncodedString;
class VProfileKey;

class VProfileCapiUpgrade {
 public:
  // When `key` holds the value of `value`'s name as text beginning with exactly "CAPI:", the
  // unprotected text becomes `value` (current and checkpoint) and is written back encoded at
  // once. When it cannot be unprotected, `value` becomes empty and the protected form is left
  // in the store for a user who can read it; the reason is in the trace file. True when the
  // stored text was in the protected form.
  static bool Upgrade(VProfileEncodedString& value, VProfileKey* key);
};
