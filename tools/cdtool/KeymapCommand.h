// The `keymap` noun of cdtool: check a keymap file, write a built-in keymap, normalise a file,
// and list the function and key names that keymap files use.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include "Command.h"

class KeymapCommand : public Command {
 public:
  // Adds `keymap` and its verbs to `app`.
  explicit KeymapCommand(CLI::App& app);

 private:
  void AddCheck();
  void AddBuiltin();
  void AddConvert();
  void AddNames();

  int Check();
  int Builtin();
  int Convert();
  int Names();

  CLI::App* m_keymap = nullptr;
  std::string m_file;
  std::string m_output;
  std::string m_name;
  bool m_json = false;
  bool m_pcKeypadAsPF = false;
};
