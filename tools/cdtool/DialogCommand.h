// The `dialog` noun of cdtool: runs the library's dialog models headless from a JSON script and
// prints what they showed. Its verbs come from DialogVerbRegistry.
#pragma once

#include <CLI/CLI.hpp>
#include <memory>
#include <vector>

#include "DialogVerb.h"

class DialogCommand {
 public:
  explicit DialogCommand(CLI::App& app);

  bool Selected() const { return m_dialog->parsed(); }
  int Run();

 private:
  CLI::App* m_dialog = nullptr;
  std::vector<std::unique_ptr<DialogVerb>> m_verbs;
};
