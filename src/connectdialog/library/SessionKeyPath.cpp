#include "library/SessionKeyPath.h"

#include "VProfileKey.h"
#include "VProfileStore.h"

CString SessionKeyPath::Of(CString const& sessionPath) {
  CString keyPath("Sessions");
  if (!sessionPath.IsEmpty()) {
    keyPath += "\\";
    keyPath += sessionPath.Str();
  }
  return keyPath;
}

bool SessionKeyPath::Exists(CString const& sessionPath) {
  VProfileStore store(true, nullptr);
  return store.Root()->KeyExists(Of(sessionPath));
}
