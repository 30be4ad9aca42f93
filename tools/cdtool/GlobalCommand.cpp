#include "GlobalCommand.h"

#include <iostream>

#include "ConsoleUserInterface.h"
#include "GlobalOptionInput.h"
#include "GlobalOptionView.h"
#include "RegValueView.h"
#include "VProfileKey.h"
#include "VProfileStore.h"
#include "database/ConfigFolder.h"
#include "database/ConfigFolderValidator.h"
#include "database/GlobalConfigChangeListener.h"
#include "database/GlobalConfigInstance.h"
#include "library/LibraryState.h"

namespace {

std::string const kTypesHelp =
    "Types: number (a signed 32-bit number; colours are 0x00BBGGRR, -1 for the built-in colour), flag (true or "
    "false), text, record (the stored bytes in hex), list (the colour scheme names; see `cdtool schemes`).";

std::vector<GlobalOption> LoadOptions() {
  GlobalConfig* config = nullptr;
  ReloadGlobalConfig(config);
  return GlobalOptionView::Options(*config);
}

}  // namespace

GlobalCommand::GlobalCommand(CLI::App& app) {
  m_global = app.add_subcommand("global", "Show and change the global options in the configuration folder");
  m_global->require_subcommand(1);
  m_global->footer("The product (--product) decides the configuration folder and the per-product option names.");

  CLI::App* show = AddVerb("show", "List every option with its stored name, type and value", &GlobalCommand::Show);
  show->add_flag("--json", m_json, "Print one JSON document");
  show->footer("Plain: NAME<tab>TYPE<tab>VALUE per line. With --json: {\"product\": NAME, \"store\": FILE, "
               "\"options\": [{\"name\": NAME, \"type\": TYPE, \"value\": VALUE}, ...]}. " + kTypesHelp);

  CLI::App* get = AddVerb("get", "Print one option's value", &GlobalCommand::Get);
  get->add_option("NAME", m_name, "The option's stored name, as `global show` lists it")->required();
  get->add_flag("--json", m_json, "Print {\"name\": NAME, \"type\": TYPE, \"value\": VALUE}");

  CLI::App* set = AddVerb("set", "Write one option, typed by its kind", &GlobalCommand::Set);
  set->add_option("NAME", m_name, "The option's stored name, as `global show` lists it")->required();
  set->add_option("VALUE", m_value, "The new value")->required();
  set->add_flag("-y,--yes", m_yes, "Answer yes to the question of integrating with another product's folder");
  set->footer(kTypesHelp + " \"Config Path\" moves the configuration folder, together with every product that "
              "shared the old one. Running hosts are told of the change.");

  CLI::App* reset = AddVerb("reset", "Delete every global option, after asking", &GlobalCommand::Reset);
  reset->add_flag("-y,--yes", m_yes, "Do not ask");
  reset->footer("Deletes the key \"Global\" of the store; sessions, \"Config Path\" and other keys stay. "
                "The next host to start writes the defaults again.");
}

CLI::App* GlobalCommand::AddVerb(std::string const& name, std::string const& description, Verb verb) {
  CLI::App* app = m_global->add_subcommand(name, description);
  m_verbs.emplace_back(app, verb);
  return app;
}

int GlobalCommand::Run() {
  ConsoleUserInterface console(std::cin, std::cerr, m_yes);
  SetUserInterface(&console);
  int result = 2;
  for (auto const& [app, verb] : m_verbs)
    if (app->parsed()) result = (this->*verb)();
  SetUserInterface(nullptr);
  return result;
}

int GlobalCommand::Show() {
  std::vector<GlobalOption> const options = LoadOptions();
  if (m_json) {
    nlohmann::ordered_json document{{"product", GetApplicationName().Str()}, {"store", ConfigFolder::StoreFile()}};
    document["options"] = nlohmann::ordered_json::array();
    for (GlobalOption const& option : options) document["options"].push_back(GlobalOptionView::ToJson(option));
    return Print(RegValueView::Dump(document) + '\n');
  }
  std::string text;
  for (GlobalOption const& option : options)
    text += option.name + '\t' + option.type + '\t' + GlobalOptionView::PlainValue(option) + '\n';
  return Print(text);
}

int GlobalCommand::Get() {
  std::vector<GlobalOption> const options = LoadOptions();
  GlobalOption const* option = GlobalOptionView::Find(options, m_name);
  if (!option) return Refuse("no global option named \"" + m_name + "\"; `cdtool global show` lists them");
  if (m_json) return Print(RegValueView::Dump(GlobalOptionView::ToJson(*option)) + '\n');
  return Print(GlobalOptionView::PlainValue(*option) + '\n');
}

int GlobalCommand::Set() {
  std::vector<GlobalOption> const options = LoadOptions();
  GlobalOption const* option = GlobalOptionView::Find(options, m_name);
  if (!option) return Refuse("no global option named \"" + m_name + "\"; `cdtool global show` lists them");
  if (option->name == "Config Path") return SetConfigPath();
  GlobalOptionInput input;
  if (!input.Parse(*option, m_value)) return Refuse(input.Error());
  {
    VProfileStore store;
    VProfileKey global(store.Root(), "Global");
    if (!input.WriteTo(global)) return Refuse("cannot write \"" + option->name + "\" to " + ConfigFolder::StoreFile());
  }
  AnnounceGlobalConfigChange();
  return 0;
}

int GlobalCommand::SetConfigPath() {
  if (ConfigFolderValidator::Check(m_value) != ConfigFolderValidator::Verdict::Accepted)
    return Refuse("the configuration folder stays " + ConfigFolder::Current());
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
    return Refuse("nothing was deleted");
  {
    VProfileStore opened;
    if (!opened.Root()->DeleteKey("Global")) return Refuse("cannot delete the global options in " + store);
  }
  AnnounceGlobalConfigChange();
  return 0;
}

int GlobalCommand::Print(std::string const& text) const {
  std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
  std::cout.flush();
  return std::cout ? 0 : Refuse("cannot write to standard output");
}

int GlobalCommand::Refuse(std::string const& reason) const {
  std::cerr << "cdtool: " << reason << '\n';
  return 1;
}
