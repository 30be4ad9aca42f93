#include "platform/shell/Shell.h"

#include "platform/shell/XdgShell.h"

namespace {

Shell* g_installed = nullptr;

Shell& DesktopShell() {
  static XdgShell xdg;
  return xdg;
}

}  // namespace

Shell& GetShell() { return g_installed ? *g_installed : DesktopShell(); }

void SetShell(Shell* shell) { g_installed = shell; }
