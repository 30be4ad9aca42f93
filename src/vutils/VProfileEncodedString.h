// A text stored scrambled with a random 4-byte key that travels with the data: the key bytes
// as eight lowercase hex digits, then each text byte XOR the key byte at its position mod 4,
// two lowercase hex digits each. This hides a password from a casual look, nothing more.
// The decoded text is held in wiping strings.
#pragma once

#include "VProfile2.h"

class VProfileEncodedString : public VProfile2<VString, VProfileSz> {
 public:
  VProfileEncodedString() { SetSensitive(); }
  VProfileEncodedString(VProfileEncodedString const&) = default;
  VProfileEncodedString& operator=(VProfileEncodedString const&) = default;
  VProfileEncodedString& operator=(VString const& value) {
    VProfile2::operator=(value);
    return *this;
  }

  // Sets the name; a value missing or not text takes `defaultValue` and is dirty.
  bool Load(VProfileKey* key, char const* name, VString const& defaultValue);
  // Writes a fresh encoding: the stored form changes at every write.
  void Save(VProfileKey* key, bool force) override;

  VOptionForm Form() const override { return VOptionForm::EncodedText; }
  VString ToText() const override { return VOptionText::SecretText(Current()); }
  // Refuses a text the stored form cannot carry back (a zero byte, more than kMaxEncodedLength
  // bytes); the mask keeps the secret as it is.
  bool FromText(VString const& text, VString& error) override;

  // Draws a new key from the C runtime's generator, seeded once per process from the clock.
  static VString Encode(VString const& text);
  // Non-hex characters count as 0 and a last odd digit pairs with 0; the text ends at the
  // first zero byte. A stored form longer than 2,046 characters (more than the 1,023-byte
  // key-and-text block) is rejected and decodes to the empty text.
  static VString Decode(VString const& stored);
};
