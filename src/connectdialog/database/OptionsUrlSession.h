// Sessions made from a connection URL or a host name as a host is started with them: the session
// of session/UrlSession.h, whose anonymous FTP login takes GetDefaultAnonymousPassword().
#pragma once

#include "VReportMessageParams.h"
#include "session/ISessionConfig.h"

// Null on failure, the reason in `report` (see the four-argument form). The caller owns one reference.
ISessionConfig* CreateSessionConfig(char const* text, int& transferType, VReportMessageParams& report);
