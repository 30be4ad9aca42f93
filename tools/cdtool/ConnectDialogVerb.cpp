#include "ConnectDialogVerb.h"

#include <memory>

#include "CommandOutput.h"
#include "ConnectDialogView.h"
#include "DialogScriptRunner.h"
#include "DialogVerbRegistry.h"
#include "InstalledProducts.h"
#include "LaunchRecorder.h"
#include "dialogs/ConnectDialog.h"
#include "dialogs/ConnectDialogSteps.h"

namespace {

DialogVerbRegistry::Entry const registered{
    [](CLI::App& dialog) -> std::unique_ptr<DialogVerb> { return std::make_unique<ConnectDialogVerb>(dialog); }};

}  // namespace

ConnectDialogVerb::ConnectDialogVerb(CLI::App& dialog) {
  m_command = dialog.add_subcommand("connect", "Browse, connect and edit the session tree with the Connect dialog");
  m_browseOption = m_command->add_option("--browse", m_browse, "Browse mode: pick a folder or a session, starting at PATH");
  m_installed.AddOption(*m_command);
  m_command->add_flag("--no-launch", m_noLaunch, "Record sibling launches instead of starting them");
  m_command->add_option("--script", m_script, "The script: steps, answers and texts (JSON)")->required();
  m_command->add_flag("--json", m_json, "Print one JSON document");
  m_loader.AddOption(*m_command);
  m_command->footer(
      "Steps: select, expand, collapse, doubleClick {\"path\": P}; command {\"id\": N}; endLabelEdit {\"text\": S}; "
      "cancelLabelEdit; filter {\"text\": S}; drop {\"source\": P, \"target\": P, \"zone\": \"before\"|\"on\"|"
      "\"after\", \"keys\": \"none\"|\"ctrl\"|\"alt\"|\"shift\"|\"ctrl+shift\"}; key {\"keys\": \"Delete\"|\"Enter\"|\"Escape\"|\"F2\"|\"Ctrl+C\"...}; "
      "ok; close; in the Shortcut Name dialog set {\"control\": 1000, \"value\": LABEL} then ok. With --json: {\"endCode\", \"messages\", \"tree\": [{\"path\", \"kind\", \"label\", \"cut\", "
      "\"expanded\"}], \"selected\", \"commands\": {ID: {\"enabled\", \"checked\"}}, \"result\": {\"name\", "
      "\"path\"}, \"launched\": [{\"program\", \"args\"}], \"clipboard\": HEX}.");
}

int ConnectDialogVerb::Run() {
  DialogScriptRunner runner(m_json);
  ConnectDialogSteps::AddTo(runner.Presenter());
  if (int const refused = runner.Load(m_script)) return refused;
  // The sessions' connection records come from the plug-ins, as in a running host.
  if (!m_loader.Fill()) return CommandOutput::Usage(m_loader.Error());
  m_installed.Install();
  LaunchRecorder launches(!m_noLaunch);
  std::unique_ptr<ConnectDialog> dialog = m_browseOption->count() ? ConnectDialog::Browser("Select Session", m_browse)
                                                                   : std::make_unique<ConnectDialog>("Connect", false, false);
  return runner.Run(*dialog, [&](nlohmann::ordered_json& output) {
    ConnectDialogView::Describe(*dialog, launches.Launched(), output);
  });
}
