// `cdtool dialog keymap-key`: "Map Selected Key" on one key of a keymap file, run from a
// script; on OK a changed entry is saved back into the file (replaced whole). Files whose
// comments or bad lines a save would drop are refused before the dialog runs.
#pragma once

#include <string>

#include "DialogVerb.h"

class KeymapKeyVerb : public DialogVerb {
 public:
  explicit KeymapKeyVerb(CLI::App& dialog);

  CLI::App* Command() const override { return m_command; }
  int Run() override;

 private:
  // The key index's modifier bits from --mods; false for an unknown name.
  bool Modifiers(unsigned int& bits) const;

  CLI::App* m_command = nullptr;
  std::string m_keymap;
  std::string m_key;
  std::string m_mods;
  std::string m_script;
  bool m_scriptingDisabled = false;
  bool m_json = false;
};
