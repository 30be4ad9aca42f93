#include "dialogs/DefaultSessionEditor.h"

#include "VReportMessageParams.h"
#include "database/GlobalConfig.h"
#include "database/SessionDatabase.h"
#include "dialogs/SessionOptionsDialog.h"
#include "platform/ui/UserInterface.h"
#include "resources/LibraryMessageModule.h"
#include "resources/MessageCodes.h"
#include "session/SessionConfig.h"

namespace {

void ApplyToEverySession(SessionDatabase& db, SessionConfig* changed) {
  VReportMessageParams question(message::kApplyToAllQuestion, &LibraryMessageModule::Get());
  if (GetUserInterface().MessageBox(question.GetText(), "", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  GlobalChangeTally const tally = db.EnumAndApplyDelta(changed);
  if (tally.visited == tally.updated) return;
  VReportMessageParams readOnly(message::kReadOnlySessionsNotUpdated, &LibraryMessageModule::Get());
  readOnly.AddNumber(static_cast<unsigned long>(tally.visited));
  readOnly.AddNumber(static_cast<unsigned long>(tally.visited - tally.updated));
  GetUserInterface().MessageBox(readOnly.GetText(), "", MB_OK | MB_ICONWARNING);
}

}  // namespace

int DefaultSessionEditor::Edit(GlobalConfig* config) {
  SessionDatabase db(config ? static_cast<int>(config->sortAlphabetical) : 0);
  ISessionConfig* found = db.Lookup(SessionDatabase::kDefaultName);
  auto* session = dynamic_cast<SessionConfig*>(found);
  if (!session) {
    if (found) found->Release();
    return IDCANCEL;
  }
  session->SetSessionPath(SessionDatabase::kDefaultName);
  session->IsDefaultSession(1);
  session->Checkpoint();
  int result = IDCANCEL;
  {
    SessionOptionsDialog dialog(config, session);
    result = dialog.DoModal();
  }
  if (result == IDOK) {
    if (session->IsModified()) ApplyToEverySession(db, session);
    db.Save(session, true);
  } else {
    session->Rollback();
  }
  session->Release();
  return result;
}
