#include "SessionOptionsVerb.h"

#include <memory>

#include "CommandOutput.h"
#include "DialogScriptRunner.h"
#include "DialogVerbRegistry.h"
#include "InstalledProducts.h"
#include "OptionsDialogScript.h"
#include "PropertyTreeDialogView.h"
#include "VProfileKey.h"
#include "VProfileStore.h"
#include "database/GlobalConfigInstance.h"
#include "database/SessionDatabase.h"
#include "dialogs/SessionOptionsDialog.h"
#include "library/SessionKeyPath.h"
#include "session/SessionConfig.h"

namespace {

DialogVerbRegistry::Entry const registered{
    [](CLI::App& dialog) -> std::unique_ptr<DialogVerb> { return std::make_unique<SessionOptionsVerb>(dialog); }};

CString NameOf(std::string const& path) {
  size_t const slash = path.rfind('\\');
  return CString(slash == std::string::npos ? path : path.substr(slash + 1));
}


}  // namespace

SessionOptionsVerb::SessionOptionsVerb(CLI::App& dialog) {
  m_command = dialog.add_subcommand("session-options", "Edit a stored session with the Session Options dialog");
  m_command->add_option("PATH", m_path, "The session's path: folder names and the session name joined by backslashes")
      ->required();
  m_command->add_option("--script", m_script, "The script: steps, answers and texts (JSON)")->required();
  m_command->add_flag("--json", m_json, "Print one JSON document");
  m_loader.AddOption(*m_command);
  m_command->footer(OptionsDialogScript::Footer(
      "Mapped Keys: key-button {\"scan\": N, \"extended\": BOOL}; press {\"scan\": N, \"extended\": BOOL, "
      "\"held\": \"ctrl,shift,alt\"} in Map Key (after command 1567); then the steps of dialog keymap-key in Map "
      "Selected Key."));
}

int SessionOptionsVerb::Run() {
  if (!m_loader.Fill()) return CommandOutput::Refuse(m_loader.Error());
  InstalledProducts::InstallRunningOnly();
  DialogScriptRunner runner(m_json);
  OptionsDialogScript::AddSteps(runner.Presenter());
  if (int const refused = runner.Load(m_script)) return refused;

  CString newName;
  int printed = 0;
  {
    VProfileStore store;
    CString const keyPath = SessionKeyPath::Of(m_path);
    if (m_path.empty() || !store.Root()->KeyExists(keyPath))
      return CommandOutput::Refuse("no session at \"" + m_path + "\"");
    VProfileKey key(store.Root(), keyPath);
    SessionConfig session(NameOf(m_path), &key);
    session.SetSessionPath(m_path);
    GlobalConfig* config = nullptr;
    GetGlobalConfig(config);
    session.Checkpoint();
    SessionOptionsDialog dialog(config, &session);
    printed = runner.Run(dialog, [&](nlohmann::ordered_json& output) {
      output["title"] = dialog.WindowTitle().Str();
      PropertyTreeDialogView::Describe(dialog, output);
      bool const ok = dialog.EndCode() == IDOK;
      if (ok) {
        session.Save(&key, false);
        if (session.GetSessionName() != NameOf(m_path)) newName = session.GetSessionName();
      } else {
        session.Rollback();
      }
      output["saved"] = ok;
    });
  }
  // Renamed once the session's own key is closed: the database moves the whole entry.
  if (!newName.IsEmpty() && !SessionDatabase(false).Rename(CString(m_path), newName, ""))
    return CommandOutput::Refuse("the session is stored under its old name: \"" + newName.Str() + "\" cannot be used");
  return printed;
}
