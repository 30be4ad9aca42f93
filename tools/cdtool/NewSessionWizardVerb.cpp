#include "NewSessionWizardVerb.h"

#include <memory>

#include "CommandOutput.h"
#include "DialogScriptRunner.h"
#include "DialogVerbRegistry.h"
#include "database/GlobalConfig.h"
#include "database/GlobalConfigInstance.h"
#include "database/SessionDatabase.h"
#include "dialogs/NewSessionWizard.h"
#include "library/ProductInfo.h"
#include "session/ISessionConfig.h"

namespace {

using Json = nlohmann::ordered_json;

DialogVerbRegistry::Entry const registered{
    [](CLI::App& dialog) -> std::unique_ptr<DialogVerb> { return std::make_unique<NewSessionWizardVerb>(dialog); }};

struct Releaser {
  void operator()(ISessionConfig* session) const { session->Release(); }
};

// The pages shown, the buttons usable at the end, and the current page's controls.
void Describe(NewSessionWizard const& wizard, Json& output) {
  output["wizardPages"] = wizard.ShownPages();
  output["buttons"] = {{"back", wizard.IsButtonEnabled(NewSessionWizard::kBackBit)},
                       {"next", wizard.IsButtonEnabled(NewSessionWizard::kNextBit)},
                       {"finish", wizard.IsButtonEnabled(NewSessionWizard::kFinishBit)}};
  VPropertyTreePage const* page = wizard.CurrentPage();
  output["current"] = page ? page->TemplateId() : 0U;
  output["controls"] = Json::array();
  for (VPageControl const& control : page ? page->Controls() : std::vector<VPageControl>()) {
    output["controls"].push_back({{"id", control.id},
                                  {"label", control.label},
                                  {"value", control.value},
                                  {"enabled", control.enabled},
                                  {"visible", control.visible}});
  }
  output["useWizard"] = wizard.UseWizard();
}

}  // namespace

NewSessionWizardVerb::NewSessionWizardVerb(CLI::App& dialog) {
  m_command = dialog.add_subcommand("wizard", "Create a session in a folder with the New Session Wizard");
  m_command->add_option("--folder", m_folder, "The folder the session goes into: folder names joined by backslashes")
      ->capture_default_str();
  m_products.AddOption(*m_command);
  m_command->add_option("--script", m_script, "The script: steps, answers and texts (JSON)")->required();
  m_command->add_flag("--json", m_json, "Print one JSON document");
  m_loader.AddOption(*m_command);
  m_command->footer(
      "Steps: next; back; finish; close; set {\"control\": ID, \"value\": TEXT}; choose {\"control\": ID, "
      "\"item\": TEXT}. With --json: {\"endCode\", \"messages\": [{\"text\", \"type\"}], \"wizardPages\": [ID], "
      "\"buttons\": {\"back\", \"next\", \"finish\"}, \"current\", \"controls\": [{\"id\", \"label\", \"value\", "
      "\"enabled\", \"visible\"}], \"useWizard\", \"result\": {\"name\", \"path\"}}.");
}

int NewSessionWizardVerb::Run() {
  if (!m_loader.Fill(m_products.Siblings())) return CommandOutput::Usage(m_loader.Error());
  m_products.Install();
  DialogScriptRunner runner(m_json);
  if (int const refused = runner.Load(m_script)) return refused;

  GlobalConfig* config = nullptr;
  GetGlobalConfig(config);
  SessionDatabase database(config && config->sortAlphabetical);
  if (!m_folder.empty() && !(SessionDatabase::Exists(CString(m_folder)) && database.IsFolder(CString(m_folder))))
    return CommandOutput::Refuse("no folder at \"" + m_folder + "\"");
  std::unique_ptr<ISessionConfig, Releaser> session(database.Lookup(SessionDatabase::kDefaultName));
  if (!session) return CommandOutput::Refuse("the default session cannot be read");
  session->SetSessionPath(CString(m_folder));
  session->SetSessionName("New");

  bool refusedByStore = false;
  NewSessionWizard wizard(session.get(), GetCurrentAppProductID());
  int const printed = runner.Run(wizard, [&](Json& output) {
    Describe(wizard, output);
    std::string const name = session->GetSessionName().Str();
    bool const stored = wizard.EndCode() == NewSessionWizard::kFinish &&
                        database.InsertSession(CString(m_folder), CString(name), session.get(), "", true);
    refusedByStore = wizard.EndCode() == NewSessionWizard::kFinish && !stored;
    std::string const path = m_folder.empty() ? name : m_folder + "\\" + name;
    output["result"] = {{"name", stored ? name : ""}, {"path", stored ? path : ""}};
  });
  if (refusedByStore) return CommandOutput::Refuse("the session database could not store the new session");
  return printed;
}
