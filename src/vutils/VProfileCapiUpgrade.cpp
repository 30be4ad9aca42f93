#include "VProfileCapiUpgrade.h"

#include "VProfileCapiString.h"
#include "VProfileEncodedString.h"
#include "VProfileKey.h"

bool VProfileCapiUpgrade::Upgrade(VProfileEncodedString& value, VProfileKey* key) {
  VString stored;
  if (key == nullptr || !key->GetSz(value.GetName(), stored) || !VProfileCapiString::IsProtectedForm(stored))
    return false;
  VProfileCapiString decoder;
  decoder.SetName(value.GetName());
  VString const text = decoder.Unprotect(stored);
  value = text;
  if (decoder.GetError().GetCode() == 0) {
    value.Save(key, true);
  } else {
    // Keep the unreadable form stored: writing the empty text would destroy it for good.
    value.Checkpoint();
    value.SetDirty(false);
  }
  return true;
}
