// Runs one dialog model on the headless presenter from a script file and prints the outcome:
// {"endCode": N, "messages": [{"text", "type"}], ...what the verb adds} with --json, the same
// as "name: value" lines without. A script that cannot be read, or a step that cannot run,
// ends with exit 1 and the reason ({"error": TEXT, "step": N} with --json).
#pragma once

#include <functional>
#include <nlohmann/json.hpp>
#include <string>

#include "DialogScriptReader.h"
#include "platform/ui/HeadlessDialogPresenter.h"
#include "platform/ui/HeadlessUserInterface.h"

class DialogModel;

class DialogScriptRunner {
 public:
  // The New Session Wizard's steps are every script's: the Connect dialog's New Session opens it.
  explicit DialogScriptRunner(bool json);

  // Where verbs add the steps of their dialogs, before Load.
  HeadlessDialogPresenter& Presenter() { return m_presenter; }
  // Reads the script at `path` and hands it to the presenter; on failure returns the exit code
  // (the reason printed), else 0.
  int Load(std::string const& path);
  // Runs `dialog` with the script; `describe` adds the verb's fields to the output.
  int Run(DialogModel& dialog, std::function<void(nlohmann::ordered_json&)> const& describe);

 private:
  int Fail(DialogScriptReader::Error const& error) const;
  int Print(nlohmann::ordered_json const& output) const;

  bool m_json;
  HeadlessDialogPresenter m_presenter;
  HeadlessUserInterface m_ui;
};
