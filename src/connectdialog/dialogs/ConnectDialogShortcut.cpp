// The Connect dialog's desktop shortcut: a label asked for, then an entry on the user's
// desktop that starts this host with "/S" and the session's path.
#include "dialogs/ConnectDialog.h"
#include "dialogs/ConnectDialogTexts.h"
#include "database/SiblingLaunch.h"
#include "dialogs/ShortcutNameDialog.h"
#include "platform/shell/DesktopFolder.h"
#include "platform/shell/DesktopShortcut.h"
#include "platform/ui/UserInterface.h"

void ConnectDialog::CreateShortcut() {
  ConnectTreeItem* item = m_selected;
  if (!item || item->IsFolder()) return;
  ShortcutNameDialog ask(item->Path(), item->Label());
  if (ask.DoModal() != IDOK) return;
  DesktopShortcut shortcut;
  if (!shortcut.Write(DesktopFolder::Locate(), ask.Label(), RunningHostProgram(), {"/S", item->Path()}))
    GetUserInterface().MessageBox(ConnectDialogTexts::kShortcutFailed, "", MB_OK | MB_ICONEXCLAMATION);
}
