#include "VProfileSz.h"

#include "VProfileKey.h"

bool VProfileSz::ReadSz(VProfileKey* key, VString& out) const { return key && key->GetSz(GetName(), out); }

bool VProfileSz::WriteSz(VProfileKey* key, char const* text) const { return key && key->SetSz(GetName(), text); }
