#include "KeymapKeyVerb.h"

#include <filesystem>
#include <memory>
#include <sstream>

#include "CommandOutput.h"
#include "DialogScriptRunner.h"
#include "DialogVerbRegistry.h"
#include "KeyButtonLookup.h"
#include "SelectedKeyDialogView.h"
#include "database/GlobalConfig.h"
#include "database/GlobalConfigInstance.h"
#include "dialogs/KeyboardButton.h"
#include "dialogs/SelectedKeyDialog.h"
#include "dialogs/SelectedKeySteps.h"
#include "terminal/Keymap.h"
#include "terminal/VirtualKeyNames.h"

namespace {

DialogVerbRegistry::Entry const registered{
    [](CLI::App& dialog) -> std::unique_ptr<DialogVerb> { return std::make_unique<KeymapKeyVerb>(dialog); }};

// Keymap's copy is for its derived classes; the tool needs only a fresh one.
class FileKeymap : public Keymap {};

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// A report's text without the line break it ends in.
std::string ReportText(VReportMessageParams& report) {
  std::string text = report.GetText();
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

// Why saving `keymap`, just read from `path` with `report`, would lose some of the file; "" if not.
std::string Unsaveable(Keymap const& keymap, VReportMessageParams& report, std::string const& path) {
  if (report.GetCode()) return path + " has lines with errors, which saving would drop:\n" + ReportText(report);
  if (keymap.ContainsComments()) return path + " has comment lines, which saving would drop";
  return {};
}

}  // namespace

KeymapKeyVerb::KeymapKeyVerb(CLI::App& dialog) {
  m_command = dialog.add_subcommand("keymap-key", "Map one key of a keymap file with the Map Selected Key dialog");
  m_command->add_option("--keymap", m_keymap, "The keymap file, saved back on OK")->required();
  m_command->add_option("--key", m_key, "The key's name in keymap files: VK_INSERT, VK_A, 0xBF ...")->required();
  m_command->add_option("--mods", m_mods, "Modifiers, comma-separated: ctrl, shift, alt, extended");
  m_command->add_option("--script", m_script, "The script: steps, answers and texts (JSON)")->required();
  m_command->add_flag("--scripting-disabled", m_scriptingDisabled, "Run as a host that disabled all scripting");
  m_command->add_flag("--json", m_json, "Print one JSON document");
  m_command->footer(
      "Steps: category {\"name\": TEXT}; function {\"name\": NAME}; string {\"value\": TEXT}; script {\"path\": "
      "TEXT}; default; browse; set {\"control\": ID, \"value\": TEXT}; command {\"id\": ID}; ok; cancel. With "
      "--json: {\"endCode\", \"messages\": [{\"text\", \"type\"}], \"current\", \"controls\": [{\"id\", \"label\", "
      "\"value\", \"enabled\", \"visible\"}], \"modified\", \"saved\"}.");
}

bool KeymapKeyVerb::Modifiers(unsigned int& bits) const {
  bits = 0;
  std::istringstream names(m_mods);
  for (std::string name; std::getline(names, name, ',');) {
    name = Upper(name);
    if (name == "CTRL") bits |= Keymap::kCtrl;
    else if (name == "SHIFT") bits |= Keymap::kShift;
    else if (name == "ALT") bits |= Keymap::kAlt;
    else if (name == "EXTENDED") bits |= Keymap::kExtended;
    else return false;
  }
  return true;
}

int KeymapKeyVerb::Run() {
  int const virtualKey = VirtualKeyFromName(Upper(m_key));
  if (virtualKey <= 0) return CommandOutput::Usage("unknown key \"" + m_key + "\"; see cdtool keymap names");
  unsigned int modifiers = 0;
  if (!Modifiers(modifiers)) return CommandOutput::Usage("--mods takes ctrl, shift, alt and extended, not \"" + m_mods + "\"");
  std::unique_ptr<KeyboardButton> button = KeyButtonLookup::Find(virtualKey, modifiers & Keymap::kExtended);
  if (!button) return CommandOutput::Refuse("no key of the keyboard is " + VirtualKeyToName(virtualKey).Str());
  std::error_code ignored;
  if (!std::filesystem::is_regular_file(m_keymap, ignored)) return CommandOutput::Refuse("cannot read " + m_keymap);
  FileKeymap keymap;
  VReportMessageParams report;
  if (!keymap.Load(m_keymap, report)) return CommandOutput::Refuse(ReportText(report));
  if (std::string const loss = Unsaveable(keymap, report, m_keymap); !loss.empty()) return CommandOutput::Refuse(loss);

  DialogScriptRunner runner(m_json);
  SelectedKeySteps::AddTo(runner.Presenter());
  if (int const refused = runner.Load(m_script)) return refused;
  GlobalConfig* config = nullptr;
  GetGlobalConfig(config);
  if (config) config->DisableAllScripting(m_scriptingDisabled);
  SelectedKeyDialog dialog(config, &keymap, button.get(), static_cast<int>(modifiers));
  int const index = dialog.KeyIndex();
  int const ownCode = keymap.GetOwnKeyCode(index);
  std::string const ownValue = keymap.GetOwnKeyValue(index).Str();
  bool saveFailed = false;
  int const printed = runner.Run(dialog, [&](nlohmann::ordered_json& output) {
    SelectedKeyDialogView::Describe(dialog, output);
    output["modified"] = dialog.keymapWasModified() != 0;
    bool const changed = keymap.GetOwnKeyCode(index) != ownCode || keymap.GetOwnKeyValue(index).Str() != ownValue;
    bool const saved = dialog.EndCode() == IDOK && changed && keymap.Save(m_keymap);
    saveFailed = dialog.EndCode() == IDOK && changed && !saved;
    output["saved"] = saved;
  });
  return saveFailed ? CommandOutput::Refuse("cannot write " + m_keymap) : printed;
}
