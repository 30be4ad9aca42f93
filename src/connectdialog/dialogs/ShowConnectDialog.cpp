#include "dialogs/ShowConnectDialog.h"

#include "dialogs/ConnectDialog.h"
#include "session/ISessionConfig.h"

int ShowConnectDialog(char const* title, ISessionConfig** session, bool systemMenu, bool noTab) {
  ConnectDialog dialog(title ? title : "", systemMenu, noTab);
  int const code = dialog.DoModal();
  if (code != IDOK) return code;
  ISessionConfig* chosen = dialog.TakeSession();
  if (session) *session = chosen;
  else if (chosen) chosen->Release();
  return code;
}

int ShowConnectDialogBrowseMode(char const* title, CString& path) {
  std::unique_ptr<ConnectDialog> dialog = ConnectDialog::Browser(title ? title : "", path.Str());
  int const code = dialog->DoModal();
  if (code == IDOK) path = CString(dialog->ResultPath());
  return code;
}
