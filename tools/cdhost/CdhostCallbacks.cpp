#include "CdhostCallbacks.h"

#include <filesystem>

#include "database/GlobalConfigInstance.h"
#include "dialogs/SessionOptionsDialog.h"
#include "platform/shell/ExecutableFolder.h"
#include "platform/shell/Shell.h"
#include "platform/ui/UserInterface.h"

unsigned long CdhostCallbacks::EditSession(ISessionConfig* session, int /*isNew*/) {
  GlobalConfig* config = nullptr;
  GetGlobalConfig(config);
  SessionOptionsDialog dialog(config, session);
  return dialog.DoModal() == IDOK ? 1 : 0;
}

void CdhostCallbacks::Help(HWND, unsigned int, unsigned long) {
  std::string const page = HelpPage();
  if (!GetShell().Open(page))
    GetUserInterface().MessageBox("The help page " + page + " could not be opened.", "", MB_OK | MB_ICONEXCLAMATION);
}

std::string CdhostCallbacks::HelpPage() {
  std::filesystem::path const installed = std::filesystem::path(ExecutableFolder()) / INSTALLED_HELP_FROM_BINDIR;
  std::error_code ignored;
  return std::filesystem::is_regular_file(installed, ignored) ? installed.lexically_normal().string()
                                                              : std::string(SOURCE_HELP_PAGE);
}
