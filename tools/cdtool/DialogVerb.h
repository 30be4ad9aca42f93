// One verb of `cdtool dialog`: a dialog model run on the headless presenter from a script.
// Each verb's source registers itself with DialogVerbRegistry, so new dialogs need no change
// of the noun.
#pragma once

#include <CLI/CLI.hpp>

class DialogVerb {
 public:
  virtual ~DialogVerb() = default;

  // The verb's subcommand; parsed when the user chose it.
  virtual CLI::App* Command() const = 0;
  // Runs the dialog: 0 done, 1 input refused or a step that could not run, 2 usage error.
  virtual int Run() = 0;
};
