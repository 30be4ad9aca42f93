// A connection's password, stored encoded. When the machine's policy forbids keeping passwords
// the stored form is emptied at the next save and a password set later is held for this
// process only. A temporary password (for one connection) wins over the stored one and is
// never saved. Validity says whether the password may be used without asking again.
#pragma once

#include "VProfileEncodedString.h"

class PasswordOption : public VProfileEncodedString {
 public:
  PasswordOption() { m_temporary.SetSensitive(); }
  using VProfileEncodedString::operator=;

  bool Load(VProfileKey* key, char const* name, VString const& defaultValue);
  // A password belongs to its own session: the default session's changes leave it alone.
  void ApplyDelta(VProfileData const* /*other*/) override {}
  // While the machine's policy forbids keeping passwords, only emptying (or the mask) is taken.
  bool FromText(VString const& text, VString& error) override;

  void Set(char const* password);
  void SetTemporary(char const* password);
  // The temporary password when there is one, else the kept one.
  VString Effective() const;
  bool IsValid() const { return m_valid; }
  void SetValid(bool valid) { m_valid = valid; }

 private:
  VString m_temporary;
  bool m_valid = false;
};
