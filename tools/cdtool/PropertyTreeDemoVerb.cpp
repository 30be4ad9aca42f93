#include "PropertyTreeDemoVerb.h"

#include <memory>

#include "DialogScriptRunner.h"
#include "DialogVerbRegistry.h"
#include "PropertyTreeDialogView.h"
#include "VPropertyTreeDemoDialog.h"
#include "VPropertyTreeSteps.h"

namespace {

DialogVerbRegistry::Entry const registered{
    [](CLI::App& dialog) -> std::unique_ptr<DialogVerb> { return std::make_unique<PropertyTreeDemoVerb>(dialog); }};

}  // namespace

PropertyTreeDemoVerb::PropertyTreeDemoVerb(CLI::App& dialog) {
  m_command = dialog.add_subcommand("property-tree-demo", "Run the property-tree demonstration dialog from a script");
  m_command->add_option("--script", m_script, "The script: steps, answers and texts (JSON)")->required();
  m_command->add_flag("--json", m_json, "Print one JSON document");
  m_command->footer(
      "Steps: select, expand, collapse {\"page\": LABEL}; key {\"keys\": \"Ctrl+PgDn\"}; set {\"control\": ID, "
      "\"value\": TEXT}; command {\"id\": ID}; ok; cancel. With --json: {\"endCode\", \"messages\": [{\"text\", "
      "\"type\"}], \"pages\": [{\"label\", \"caption\", \"depth\", \"expanded\", \"selected\"}], \"current\", "
      "\"controls\": [{\"id\", \"label\", \"value\", \"enabled\", \"visible\"}], \"modified\"}.");
}

int PropertyTreeDemoVerb::Run() {
  DialogScriptRunner runner(m_json);
  VPropertyTreeSteps::AddTo(runner.Presenter());
  if (int const refused = runner.Load(m_script)) return refused;
  VPropertyTreeDemoSettings settings;
  VPropertyTreeDemoDialog dialog(settings);
  return runner.Run(dialog, [&](nlohmann::ordered_json& output) {
    PropertyTreeDialogView::Describe(dialog, output);
    output["modified"] = settings.IsModified();
  });
}
