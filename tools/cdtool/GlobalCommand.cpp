#include "GlobalCommand.h"

#include <iostream>

#include "CommandOutput.h"
#include "ConsoleUserInterface.h"
#include "JsonOutput.h"
#include "OptionInput.h"
#include "OptionView.h"
#include "VOptionList.h"
#include "VProfileKey.h"
#include "VProfileStore.h"
#include "database/ConfigFolder.h"
#include "database/ConfigFolderValidator.h"
#include "database/GlobalConfigChangeListener.h"
#include "database/GlobalConfigInstance.h"
#include "library/LibraryState.h"
#include "platform/registry/NameFolding.h"

namespace {

// Kept per product in the user's registry, not in "Global": shown after the options of the table.
constexpr char kConfigPath[] = "Config Path";

GlobalConfig& Loaded() {
  GlobalConfig* config = nullptr;
  ReloadGlobalConfig(config);
  return *config;
}

bool IsConfigPath(std::string const& name) { return FoldName(name) == FoldName(kConfigPath); }

nlohmann::ordered_json ConfigPathJson(GlobalConfig const& config) {
  return OptionView::Json(kConfigPath, VOptionForm::Text, config.configPath.Str());
}

}  // namespace

GlobalCommand::GlobalCommand(CLI::App& app) {
  CLI::App* global = app.add_subcommand("global", "Show and change the global options in the configuration folder");
  global->require_subcommand(1);
  global->footer("The product (--product) decides the configuration folder and the per-product option names.");

  CLI::App* show =
      AddVerb(*global, "show", "List every option with its stored name, type and value", [this] { return Show(); });
  show->add_flag("--json", m_json, "Print one JSON document");
  show->footer(
      "Plain: NAME<tab>TYPE<tab>VALUE per line. With --json: {\"product\": NAME, \"store\": FILE, "
      "\"options\": [{\"name\": NAME, \"type\": TYPE, \"value\": VALUE}, ...]}. " +
      std::string(OptionInput::kFormsHelp));

  CLI::App* get = AddVerb(*global, "get", "Print one option's value", [this] { return Get(); });
  get->add_option("NAME", m_name, "The option's stored name, as `global show` lists it")->required();
  get->add_flag("--json", m_json, "Print {\"name\": NAME, \"type\": TYPE, \"value\": VALUE}");

  CLI::App* set = AddVerb(*global, "set", "Write one option, typed by its kind", [this] { return Set(); });
  set->add_option("NAME", m_name, "The option's stored name, as `global show` lists it")->required();
  set->add_option("VALUE", m_value, "The new value")->required();
  set->add_flag("-y,--yes", m_yes, "Answer yes to the question of integrating with another product's folder");
  set->footer(std::string(OptionInput::kFormsHelp) +
              " Colours are numbers 0x00BBGGRR, -1 for the built-in colour. "
              "\"Config Path\" moves the configuration folder, together with every product that shared the old "
              "one. Running hosts are told of the change.");

  CLI::App* reset = AddVerb(*global, "reset", "Delete every global option, after asking", [this] { return Reset(); });
  reset->add_flag("-y,--yes", m_yes, "Do not ask");
  reset->footer("Deletes the key \"Global\" of the store; sessions, \"Config Path\" and other keys stay. "
                "The next host to start writes the defaults again.");
}

int GlobalCommand::Run() {
  ConsoleUserInterface console(std::cin, std::cerr, m_yes);
  SetUserInterface(&console);
  int const result = Command::Run();
  SetUserInterface(nullptr);
  return result;
}

int GlobalCommand::Show() {
  GlobalConfig& config = Loaded();
  VOptionList const list(config);
  if (m_json) {
    nlohmann::ordered_json document{{"product", GetApplicationName().Str()}, {"store", ConfigFolder::StoreFile()}};
    document["options"] = nlohmann::ordered_json::array();
    for (VOption const& option : list.Options()) document["options"].push_back(OptionView::Json(option));
    document["options"].push_back(ConfigPathJson(config));
    return JsonOutput::Print(document);
  }
  std::string text;
  for (VOption const& option : list.Options()) text += OptionView::Line(option);
  text += OptionView::Line(kConfigPath, VOptionForm::Text, config.configPath.Str());
  return CommandOutput::Print(text);
}

int GlobalCommand::Get() {
  GlobalConfig& config = Loaded();
  VOptionList const list(config);
  VOption const* option = list.Find(m_name);
  nlohmann::ordered_json shown;
  if (IsConfigPath(m_name))
    shown = ConfigPathJson(config);
  else if (option)
    shown = OptionView::Json(*option);
  else
    return CommandOutput::Refuse(OptionInput::NoOption(m_name));
  if (m_json) return JsonOutput::Print(shown);
  return CommandOutput::Print((option ? option->Text().Str() : config.configPath.Str()) + '\n');
}

// Only the option set is written, as the option itself saves it.
int GlobalCommand::Set() {
  GlobalConfig& config = Loaded();
  if (IsConfigPath(m_name)) return SetConfigPath();
  OptionInput input(config);
  if (!input.Apply({{m_name, m_value}})) return CommandOutput::Refuse(input.Error());
  VOptionList const list(config);
  VOption const* option = list.Find(m_name);
  VProfileStore store;
  {
    VProfileKey global(store.Root(), "Global");
    option->Value().Save(&global, true);
  }
  if (!store.Close())
    return CommandOutput::Refuse("cannot write \"" + std::string(option->Name()) + "\" to " +
                                 ConfigFolder::StoreFile());
  AnnounceGlobalConfigChange();
  return 0;
}

int GlobalCommand::SetConfigPath() {
  if (ConfigFolderValidator::Check(m_value) != ConfigFolderValidator::Verdict::Accepted)
    return CommandOutput::Refuse("the configuration folder stays " + ConfigFolder::Current());
  GlobalConfig* config = nullptr;
  GetGlobalConfig(config);
  config->configPath = m_value;
  SaveGlobalConfig();
  AnnounceGlobalConfigChange();
  return 0;
}

int GlobalCommand::Reset() {
  std::string const store = ConfigFolder::StoreFile();
  std::string const question = "Delete every global option of " + GetApplicationName().Str() + " in " + store + "?\n";
  if (GetUserInterface().MessageBox(question, "", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
    return CommandOutput::Refuse("nothing was deleted");
  {
    VProfileStore opened;
    if (!opened.Root()->DeleteKey("Global"))
      return CommandOutput::Refuse("cannot delete the global options in " + store);
  }
  AnnounceGlobalConfigChange();
  return 0;
}
