// A text stored protected for the current user (platform/protect): "CAPI:" followed by the
// protected block, two uppercase hexadecimal digits per byte. The block holds the text with its
// terminating zero, sealed with the description "VProfileCapiString". A failure leaves an empty
// result, a report (0xE104004C protect, 0xE104004D unprotect, 0xE104004E malformed hexadecimal,
// with the value's name and the reason as inserts) and a line in the trace file.
#pragma once

#include "VProfile2.h"
#include "VReportMessageParams.h"

class VProfileCapiString : public VProfile2<VString, VProfileSz> {
 public:
  VProfileCapiString() { SetSensitive(); }
  VProfileCapiString(VProfileCapiString const&) = default;
  VProfileCapiString& operator=(VProfileCapiString const&) = default;
  VProfileCapiString& operator=(VString const& value) {
    VProfile2::operator=(value);
    return *this;
  }

  // Sets the name; a value missing or not text takes `defaultValue` and is dirty. A stored
  // value that cannot be unprotected loads as empty, with the reason in GetError().
  bool Load(VProfileKey* key, char const* name, VString const& defaultValue);
  // Writes the protected form. When protection fails nothing is written (the stored value is
  // kept rather than replaced by an empty one) and the value stays due for the next save.
  void Save(VProfileKey* key, bool force) override;

  VOptionForm Form() const override { return VOptionForm::ProtectedText; }
  VString ToText() const override { return VOptionText::SecretText(Current()); }
  // The mask keeps the secret as it is.
  bool FromText(VString const& text, VString& error) override;

  // Both start by clearing the report; an empty input gives an empty result without error.
  VString Protect(VString const& text);
  // The "CAPI:" prefix (case-sensitive) is optional; without it the whole text is hexadecimal.
  VString Unprotect(VString const& stored);

  // The last encoding error; code 0 after a success.
  VReportMessageParams& GetError() { return m_error; }

  static bool IsProtectedForm(char const* stored);

 private:
  void Fail(unsigned long code, std::string const* reason);

  VReportMessageParams m_error;
};
