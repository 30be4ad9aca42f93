// Sessions made from a connection URL or a bare host name, as a host is started with them.
#pragma once

#include "VReportMessageParams.h"
#include "platform/types/CString.h"
#include "session/ISessionConfig.h"

// A file-transfer session based on the default session (keeping its name and path, "Default")
// that connects to what `text` names: an ftp URL gives an FTP session, an sftp, ssh, ssh1, ssh2,
// telnet or rlogin URL an SFTP session, and a host name or numeric address (never taken for a
// URL) the default session's transfer protocol on its standard port. `transferType` receives
// the URL's ";type=" (-1 without one). Null on failure, the reason in `report`: 0xE160000D for
// no text, 0xE160000E or 0xE160000F for a URL that is refused, 0xE160000C (with the protocol
// name) when the transfer protocol has no plug-in. An anonymous FTP login is given
// `anonymousPassword`. The caller owns one reference.
ISessionConfig* CreateSessionConfig(char const* text, CString const& anonymousPassword, int& transferType,
                                    VReportMessageParams& report);
