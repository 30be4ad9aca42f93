// The callbacks cdhost hands the library at start-up (besides Quick Connect, which is the
// library's own dialog): editing a session in the Session Options dialog, and help.
#pragma once

#include <string>

#include "platform/types/WinTypes.h"

class ISessionConfig;

struct CdhostCallbacks {
  // The Session Options dialog on `session`; 1 when the user accepted (the caller saves).
  static unsigned long EditSession(ISessionConfig* session, int isNew);
  // Opens the help page (the README) through the desktop.
  static void Help(HWND window, unsigned int command, unsigned long data);
  // The help page: installed beside the program, else the source tree's.
  static std::string HelpPage();
};
