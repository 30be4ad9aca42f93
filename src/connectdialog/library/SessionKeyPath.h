// Where a session lives in the profile store: the session path (folder names and the session
// name joined by backslashes) below "Sessions". The one place that turns a path into a key path
// until the session database takes the job over.
#pragma once

#include "platform/types/CString.h"

class SessionKeyPath {
 public:
  // "Sessions" for the empty path (the root folder), else "Sessions\" and the path.
  static CString Of(CString const& sessionPath);
  // Whether the installed store holds the key of `sessionPath`; creates nothing.
  static bool Exists(CString const& sessionPath);
};
