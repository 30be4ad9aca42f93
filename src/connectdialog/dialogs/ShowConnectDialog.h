// The hosts' entry points to the Connect dialog. Both need the process's global configuration
// loaded first.
#pragma once

#include "platform/types/CString.h"

class ISessionConfig;

// Shows the dialog modally: 1 (OK) when the user connected in the running host, with the
// chosen session in `session` holding one reference for the caller; 2 (Cancel) otherwise,
// also after launching the sibling host, with `session` untouched.
int ShowConnectDialog(char const* title, ISessionConfig** session, bool systemMenu, bool noTab);
// Shows the dialog as a picker starting at `path`: on OK the chosen folder's or session's path
// goes into `path` and 1 is returned; otherwise the end code, with `path` untouched.
int ShowConnectDialogBrowseMode(char const* title, CString& path);
