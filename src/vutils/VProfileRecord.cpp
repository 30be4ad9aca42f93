#include "VProfileRecord.h"

#include <typeinfo>

#include "VOptionText.h"

bool VProfileRecord::FromText(VString const& text, VString& error) {
  error = VOptionText::Refusal(GetName(), Form(), text);
  return false;
}

void VProfileRecord::Save(VProfileKey* key, bool force) {
  SaveExtra(key, force);
  for (int i = 0; i < Count(); ++i) Lookup(i)->Save(key, force);
}

bool VProfileRecord::IsModified() const {
  for (int i = 0; i < Count(); ++i)
    if (Lookup(i)->IsModified()) return true;
  return false;
}

void VProfileRecord::Checkpoint() {
  for (int i = 0; i < Count(); ++i) Lookup(i)->Checkpoint();
}

void VProfileRecord::Rollback() {
  for (int i = 0; i < Count(); ++i) Lookup(i)->Rollback();
}

// The same class means the same table, so other's indices name the same members as ours.
void VProfileRecord::ApplyDelta(VProfileData const* other) {
  if (other == nullptr || typeid(*other) != typeid(*this)) return;
  for (int i = 0; i < Count(); ++i) {
    VProfileData const* theirs = other->Lookup(i);
    if (theirs->IsModified()) Lookup(i)->ApplyDelta(theirs);
  }
}
