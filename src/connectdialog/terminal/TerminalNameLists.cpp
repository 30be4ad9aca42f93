#include "terminal/TerminalNameLists.h"

#include <strings.h>

#include "library/LibraryState.h"

std::vector<TerminalNameLists::Emulation> TerminalNameLists::s_emulations;
std::vector<VString> TerminalNameLists::s_keymapNames;

namespace {

void BuildForHost() { TerminalNameLists::Build(GetApplicationName()); }

// Installed at load so that the host's ConnectDialogDllInit builds the lists.
[[maybe_unused]] bool const builderInstalled = (SetBuiltInListsBuilder(&BuildForHost), true);

}  // namespace

void TerminalNameLists::Build(VString const& applicationName) {
  bool const gatehold = applicationName.Length() != 5 || strcasecmp(applicationName.c_str(), "Korvo") != 0;
  // "ANSI" and "VT102" are one emulation to the host, so they share a number.
  s_emulations = {{"ANSI", 4}, {"Linux", 2}, {"SCOANSI", 3}, {"VT100", 1}, {"VT102", 4},
                  {"VT220", 5}, {"WYSE50", 6}, {"WYSE60", 7}, {"Xterm", 8}};
  s_keymapNames = {"Custom", "Default", "Linux", "SCOANSI", "VT100", "VT220", "Wyse50", "Wyse60", "Xterm"};
  if (!gatehold) return;
  s_emulations.insert(s_emulations.begin() + kGateholdPosition, {"Gatehold", 9});
  s_keymapNames.emplace_back("Gatehold");
}

std::vector<TerminalNameLists::Emulation> const& TerminalNameLists::Emulations() { return s_emulations; }

std::vector<VString> const& TerminalNameLists::KeymapNames() { return s_keymapNames; }

bool TerminalNameLists::HasGatehold() {
  return s_emulations.size() > kGateholdPosition && s_emulations[kGateholdPosition].name == "Gatehold";
}
