// The password given for anonymous FTP logins.
#pragma once

#include "platform/types/CString.h"

// The global option "Anonymous Password" when set; otherwise the user's name followed by "@",
// or "guest@" when the name cannot be had.
CString GetDefaultAnonymousPassword();
