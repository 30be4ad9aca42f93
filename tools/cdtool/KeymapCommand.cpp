#include "KeymapCommand.h"

#include <algorithm>
#include <cctype>
#include <iostream>
#include <map>

#include "CommandOutput.h"
#include "JsonOutput.h"
#include "KeymapView.h"
#include "ReportOutput.h"
#include "VReportMessageParams.h"
#include "terminal/Keymap.h"
#include "terminal/KeymapFileWriter.h"

namespace {

using Loader = void (*)(Keymap&, bool pcKeypadAsPF);

// The built-in keymaps by upper-cased name, each without its fallback: files hold own entries.
std::map<std::string, Loader> const kBuiltins = {
    {"DEFAULT", [](Keymap& k, bool) { k.LoadDefault(); }},
    {"VT100", [](Keymap& k, bool pf) { k.LoadVT100(false, pf); }},
    {"VT220", [](Keymap& k, bool) { k.LoadVT220(false); }},
    {"LINUX", [](Keymap& k, bool) { k.LoadLinux(false); }},
    {"XTERM", [](Keymap& k, bool) { k.LoadXterm(false); }},
    {"SCOANSI", [](Keymap& k, bool) { k.LoadSCOANSI(false); }},
    {"WYSE50", [](Keymap& k, bool) { k.LoadWyse50(false); }},
    {"WYSE60", [](Keymap& k, bool) { k.LoadWyse60(false); }},
    {"GATEHOLD", [](Keymap& k, bool) { k.LoadGatehold(); }},
};

std::string Upper(std::string text) {
  std::ranges::transform(text, text.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

// Report texts end in a line break; a plain message on stderr needs none of its own.
std::string Trimmed(char const* text) {
  std::string trimmed(text);
  while (!trimmed.empty() && (trimmed.back() == '\n' || trimmed.back() == '\r')) trimmed.pop_back();
  return trimmed;
}

std::string ReportText(VReportMessageParams& report) { return report.GetCode() ? Trimmed(report.GetText()) : ""; }

// Keymap's copy is for its derived classes; the tool needs only a fresh one.
class FreshKeymap : public Keymap {};

}  // namespace

KeymapCommand::KeymapCommand(CLI::App& app) {
  m_keymap = app.add_subcommand("keymap", "Check, convert and list keymap files and the built-in keymaps");
  m_keymap->require_subcommand(1);
  AddCheck();
  AddBuiltin();
  AddConvert();
  AddNames();
}

void KeymapCommand::AddCheck() {
  CLI::App* verb =
      AddVerb(*m_keymap, "check", "Load a keymap file and report its errors and entries", [this] { return Check(); });
  verb->add_option("FILE", m_file, "The keymap file (also looked for in the keymaps folder beside cdtool)")
      ->required();
  verb->add_flag("--json", m_json, "Print one JSON document");
  verb->footer("With --json: {\"ok\": BOOL, \"code\": \"0x........\", \"text\": REPORT_TEXT, \"entries\": "
               "[{\"index\": N, \"modifiers\": \"CS\", \"key\": \"VK_F1\", \"code\": N, \"function\": \"VT_PF1\", "
               "\"value\": \"...\"}, ...]}, the file's entries in index order. ok is false, and the exit code 1, "
               "when the file cannot be read or has three bad lines; one or two bad lines give a warning.");
}

void KeymapCommand::AddBuiltin() {
  CLI::App* verb =
      AddVerb(*m_keymap, "builtin", "Write a built-in keymap in the keymap file format", [this] { return Builtin(); });
  verb->add_option("NAME", m_name, "Default, VT100, VT220, Linux, Xterm, SCOANSI, Wyse50, Wyse60 or Gatehold")
      ->required();
  verb->add_option("-o,--output", m_output, "Write to this file instead of standard output");
  verb->add_flag("--pc-keypad-as-pf", m_pcKeypadAsPF, "VT100 only: the PC keypad's top row gives PF1 to PF4");
}

void KeymapCommand::AddConvert() {
  CLI::App* verb = AddVerb(*m_keymap, "convert", "Load a keymap file and write it back in the normal form",
                           [this] { return Convert(); });
  verb->add_option("IN", m_file, "The keymap file to read")->required();
  verb->add_option("OUT", m_output, "The file to write (may be IN)")->required();
}

void KeymapCommand::AddNames() {
  CLI::App* verb =
      AddVerb(*m_keymap, "names", "List the function names and key names of keymap files", [this] { return Names(); });
  verb->add_flag("--json", m_json, "Print one JSON document");
  verb->footer("With --json: {\"functions\": [{\"code\": N, \"name\": NAME}, ...], "
               "\"keys\": [{\"virtualKey\": N, \"name\": NAME}, ...]}.");
}

int KeymapCommand::Check() {
  FreshKeymap keymap;
  VReportMessageParams report;
  bool const ok = keymap.Load(m_file, report);
  std::string const text = ReportText(report);
  if (m_json) {
    nlohmann::ordered_json const document = {{"ok", ok},
                                             {"code", ReportOutput::Code(report.GetCode())},
                                             {"text", text},
                                             {"entries", KeymapView::Entries(keymap)}};
    int const printed = JsonOutput::Print(document);
    return ok ? printed : 1;
  }
  if (!ok) return CommandOutput::Refuse(text);
  size_t const count = KeymapView::Entries(keymap).size();
  return CommandOutput::Print((text.empty() ? "" : text + '\n') + std::to_string(count) +
                              (count == 1 ? " entry\n" : " entries\n"));
}

int KeymapCommand::Builtin() {
  FreshKeymap keymap;
  auto const found = kBuiltins.find(Upper(m_name));
  if (found == kBuiltins.end()) {
    std::cerr << "cdtool: no built-in keymap \"" << m_name << "\"; see cdtool keymap builtin --help\n";
    return 2;
  }
  found->second(keymap, m_pcKeypadAsPF);
  if (m_output.empty()) return CommandOutput::Print(KeymapFileWriter::Text(keymap));
  return keymap.Save(m_output) ? 0 : CommandOutput::Refuse("cannot write " + m_output);
}

int KeymapCommand::Convert() {
  FreshKeymap keymap;
  VReportMessageParams report;
  if (!keymap.Load(m_file, report)) return CommandOutput::Refuse(ReportText(report));
  if (report.GetCode()) std::cerr << "cdtool: " << ReportText(report) << '\n';
  return keymap.Save(m_output) ? 0 : CommandOutput::Refuse("cannot write " + m_output);
}

int KeymapCommand::Names() {
  nlohmann::ordered_json const names = KeymapView::Names();
  return CommandOutput::Print(m_json ? JsonOutput::Dump(names) + '\n' : KeymapView::PlainNames(names));
}
