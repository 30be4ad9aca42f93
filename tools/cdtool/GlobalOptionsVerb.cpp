#include "GlobalOptionsVerb.h"

#include <memory>

#include "CommandOutput.h"
#include "DialogScriptRunner.h"
#include "DialogVerbRegistry.h"
#include "InstalledProducts.h"
#include "OptionsDialogScript.h"
#include "PropertyTreeDialogView.h"
#include "database/GlobalConfigInstance.h"
#include "dialogs/GlobalOptionsDialog.h"
#include "library/ProductInfo.h"
#include "platform/ui/HeadlessImageList.h"
#include "transfer/FileTypeManager.h"
#include "transfer/IconManager.h"

namespace {

DialogVerbRegistry::Entry const registered{
    [](CLI::App& dialog) -> std::unique_ptr<DialogVerb> { return std::make_unique<GlobalOptionsVerb>(dialog); }};


}  // namespace

GlobalOptionsVerb::GlobalOptionsVerb(CLI::App& dialog) {
  m_command = dialog.add_subcommand("global-options", "Edit the global options with the Global Options dialog");
  m_command->add_option("--start", m_start, "The page to start on: its tree label or its caption");
  m_command->add_option("--script", m_script, "The script: steps, answers and texts (JSON)")->required();
  m_command->add_flag("--json", m_json, "Print one JSON document");
  m_loader.AddOption(*m_command);
  m_command->footer(OptionsDialogScript::Footer(
      "Steps after a command that opens a dialog (an editor, a prompt answered from \"texts\") go to that dialog "
      "until it ends; the default session's Session Options (command 1341) takes the Mapped Keys steps of dialog "
      "session-options."));
}

int GlobalOptionsVerb::Run() {
  if (!m_loader.Fill()) return CommandOutput::Refuse(m_loader.Error());
  InstalledProducts::InstallRunningOnly();
  DialogScriptRunner runner(m_json);
  OptionsDialogScript::AddSteps(runner.Presenter());
  if (int const refused = runner.Load(m_script)) return refused;

  GlobalConfig* config = nullptr;
  GetGlobalConfig(config);
  if (!config) return CommandOutput::Refuse("the global options cannot be loaded");
  std::unique_ptr<FileTypeManager> types;
  HeadlessImageList small, large;
  std::unique_ptr<IconManager> icons;
  if (IsHaloFyx_Installed()) {
    types = std::make_unique<FileTypeManager>();
    icons = std::make_unique<IconManager>(types.get(), &small, &large);
  }
  GlobalOptionsDialog dialog(*config, types.get(), icons.get());
  dialog.SetStartPage(m_start);
  return runner.Run(dialog, [&](nlohmann::ordered_json& output) {
    output["title"] = dialog.WindowTitle().Str();
    PropertyTreeDialogView::Describe(dialog, output);
    bool const ok = dialog.EndCode() == IDOK;
    if (ok) config->Save();
    output["saved"] = ok;
  });
}
