// The `keymap` noun of cdtool: check a keymap file, write a built-in keymap, normalise a file,
// and list the function and key names that keymap files use.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <utility>
#include <vector>


class KeymapCommand {
 public:
  // Adds `keymap` and its verbs to `app`.
  explicit KeymapCommand(CLI::App& app);

  bool Selected() const { return m_keymap->parsed(); }
  // Runs the verb that was parsed: 0 done, 1 input refused (the reason on stderr), 2 usage error.
  int Run();

 private:
  using Verb = int (KeymapCommand::*)();

  CLI::App* AddVerb(std::string const& name, std::string const& description, Verb verb);
  void AddCheck();
  void AddBuiltin();
  void AddConvert();
  void AddNames();

  int Check();
  int Builtin();
  int Convert();
  int Names();
  int Print(std::string const& text) const;
  int Refuse(std::string const& reason) const;

  CLI::App* m_keymap = nullptr;
  std::vector<std::pair<CLI::App*, Verb>> m_verbs;
  std::string m_file;
  std::string m_output;
  std::string m_name;
  bool m_json = false;
  bool m_pcKeypadAsPF = false;
};
