#include "PasswordOption.h"

#include "session/CredentialSavingPolicy.h"

bool PasswordOption::Load(VProfileKey* key, char const* name, VString const& defaultValue) {
  VProfileEncodedString::Load(key, name, defaultValue);
  if (!CredentialSavingPolicy::SavePasswords() && !Current().IsEmpty()) {
    *this = VString();
    Checkpoint();  // marks it dirty, so the next save overwrites what was kept
  }
  m_valid = !Current().IsEmpty();
  return true;
}

bool PasswordOption::FromText(VString const& text, VString& error) {
  if (!CredentialSavingPolicy::SavePasswords() && !text.IsEmpty() && !VOptionText::IsMask(text)) {
    error = VString("\"") + GetName() + "\" cannot be set: this machine's policy forbids keeping passwords";
    return false;
  }
  return VProfileEncodedString::FromText(text, error);
}

void PasswordOption::Set(char const* password) {
  m_temporary = VString();
  if (CredentialSavingPolicy::SavePasswords())
    *this = VString(password);
  else
    m_temporary = password;
}

void PasswordOption::SetTemporary(char const* password) { m_temporary = password; }

VString PasswordOption::Effective() const { return m_temporary.IsEmpty() ? Current() : m_temporary; }
