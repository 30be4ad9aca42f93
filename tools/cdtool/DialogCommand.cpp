#include "DialogCommand.h"

#include "DialogVerbRegistry.h"

DialogCommand::DialogCommand(CLI::App& app) {
  m_dialog = app.add_subcommand("dialog", "Run a dialog headless from a script and print what it showed");
  m_dialog->require_subcommand(1);
  m_dialog->footer(
      "SCRIPT is {\"steps\": [{\"do\": NAME, ...}, ...], \"answers\": [\"IDYES\"|\"IDNO\"|\"IDOK\"|\"IDCANCEL\", "
      "...], \"texts\": [TEXT, ...]}: the steps in order, the buttons message boxes get in turn, the "
      "texts prompts and file choosers get in turn. A step that cannot run ends with exit 1 and, with "
      "--json, {\"error\": TEXT, \"step\": N} (N counts from 0).");
  for (DialogVerbRegistry::Factory factory : DialogVerbRegistry::Factories()) m_verbs.push_back(factory(*m_dialog));
}

int DialogCommand::Run() {
  for (auto const& verb : m_verbs)
    if (verb->Command()->parsed()) return verb->Run();
  return 2;
}
