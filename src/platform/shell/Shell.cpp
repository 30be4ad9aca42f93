#include "platform/shell/Shell.h"

#include "platform/service/InstalledService.h"
#include "platform/shell/XdgShell.h"

using InstalledShell = InstalledService<Shell, XdgShell>;

Shell& GetShell() { return InstalledShell::Get(); }

void SetShell(Shell* shell) { InstalledShell::Install(shell); }
