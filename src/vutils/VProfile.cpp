#include "VProfile.h"

bool VProfile<bool>::Load(VProfileKey* key, bool const& defaultValue) {
  unsigned long stored = 0;
  bool const found = ReadDword(key, stored);
  m_value = found ? stored != 0 : defaultValue;
  SetDirty(!found);
  m_checkpoint = m_value;
  return true;
}

bool VProfile<bool>::SetFromText(VString const& text, IProfileTextConverter& converter, IReportMessageParams& report) {
  bool converted = false;
  if (!converter.TextToBool(&converted, text, report)) return false;
  m_value = m_checkpoint = converted;
  SetDirty(false);
  return true;
}

void VProfile<bool>::Save(VProfileKey* key, bool force) {
  if (!NeedsSave(force)) return;
  WriteDword(key, m_value ? 1 : 0);
  SetDirty(false);
  m_checkpoint = m_value;
}

void VProfile<bool>::Checkpoint() {
  if (IsModified()) SetDirty(true);
  m_checkpoint = m_value;
}

void VProfile<bool>::ApplyDelta(VProfileData const* other) {
  if (auto const* same = dynamic_cast<VProfile const*>(other)) m_value = same->m_value;
}

bool VProfile<bool>::FromText(VString const& text, VString& error) {
  if (!VOptionText::ParseFlag(text.View(), m_value)) {
    error = VOptionText::Refusal(GetName(), Form(), text);
    return false;
  }
  return true;
}
