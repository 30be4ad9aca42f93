#include "VProfile2.h"

#include <utility>

#include "IProfileTextConverter.h"
#include "IReportMessageParams.h"
#include "VTextList.h"
#include "platform/msgtable/SystemMessageTable.h"

bool VProfile2<VString, VProfileSz>::Load(VProfileKey* key, VString const& defaultValue) {
  VString stored;
  if (!ReadSz(key, stored)) {
    TakeLoaded(false, stored, defaultValue);
    return true;
  }
  // The text read becomes the value itself: a session load copies each text once, into its checkpoint.
  VString::operator=(std::move(stored));
  SetDirty(false);
  m_checkpoint = Current();
  return true;
}

void VProfile2<VString, VProfileSz>::TakeLoaded(bool found, VString const& value, VString const& defaultValue) {
  VString::operator=(found ? value : defaultValue);
  SetDirty(!found);
  m_checkpoint = Current();
}

bool VProfile2<VString, VProfileSz>::SetFromText(VString const& text, IProfileTextConverter& converter,
                                                IReportMessageParams& report) {
  VString converted;
  converted.SetSensitive(Current().IsSensitive());
  if (converter.TextToString(converted, text, report, true)) {
    VString::operator=(converted);
  } else if (report.GetCode() == kCodeTextNotConvertible) {
    VString::operator=(text);
    report.Reset(0);
  } else {
    return false;
  }
  m_checkpoint = Current();
  SetDirty(false);
  return true;
}

bool VProfile2<VString, VProfileSz>::FromText(VString const& text, VString& error) {
  if (VOptionText::HasZeroByte(text)) {
    error = VOptionText::Refusal(GetName(), Form(), text);
    return false;
  }
  VString::operator=(text);
  return true;
}

void VProfile2<VString, VProfileSz>::Save(VProfileKey* key, bool force) {
  if (!NeedsSave(force)) return;
  WriteSz(key, c_str());
  MarkSaved();
}

void VProfile2<VString, VProfileSz>::MarkSaved() {
  SetDirty(false);
  m_checkpoint = Current();
}

void VProfile2<VString, VProfileSz>::Checkpoint() {
  if (IsModified()) SetDirty(true);
  m_checkpoint = Current();
}

void VProfile2<VString, VProfileSz>::ApplyDelta(VProfileData const* other) {
  if (auto const* text = dynamic_cast<VProfile2 const*>(other)) VString::operator=(text->Current());
}

bool VProfile2<VStringArray, VProfileMultiSz>::Load(VProfileKey* key, VStringArray const& defaultValue) {
  VStringArray stored;
  bool const found = ReadMultiSz(key, stored);
  VStringArray::operator=(found ? stored : defaultValue);
  SetDirty(!found);
  m_checkpoint = Current();
  return true;
}

bool VProfile2<VStringArray, VProfileMultiSz>::SetFromText(VString const& text, IProfileTextConverter& converter,
                                                          IReportMessageParams& report) {
  VStringArray converted;
  if (!converter.TextToList(converted, text, report, true)) return false;
  VStringArray::operator=(converted);
  m_checkpoint = Current();
  SetDirty(false);
  return true;
}

void VProfile2<VStringArray, VProfileMultiSz>::Save(VProfileKey* key, bool force) {
  if (!NeedsSave(force)) return;
  WriteMultiSz(key, Current());
  SetDirty(false);
  m_checkpoint = Current();
}

void VProfile2<VStringArray, VProfileMultiSz>::Checkpoint() {
  if (IsModified()) SetDirty(true);
  m_checkpoint = Current();
}

void VProfile2<VStringArray, VProfileMultiSz>::ApplyDelta(VProfileData const* other) {
  if (auto const* list = dynamic_cast<VProfile2 const*>(other)) VStringArray::operator=(list->Current());
}

VString VProfile2<VStringArray, VProfileMultiSz>::ToText() const { return VTextList::Format(Current()); }

bool VProfile2<VStringArray, VProfileMultiSz>::FromText(VString const& text, VString& error) {
  VStringArray list;
  if (!VTextList::Parse(text.View(), list)) {
    error = VOptionText::Refusal(GetName(), Form(), text);
    return false;
  }
  VStringArray::operator=(list);
  return true;
}
