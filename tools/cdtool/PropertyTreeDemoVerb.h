// `cdtool dialog property-tree-demo`: the property-tree framework's demonstration dialog, run
// from a script on default settings; prints the tree, the current page and whether the
// settings were changed (nothing is stored).
#pragma once

#include <string>

#include "DialogVerb.h"

class PropertyTreeDemoVerb : public DialogVerb {
 public:
  explicit PropertyTreeDemoVerb(CLI::App& dialog);

  CLI::App* Command() const override { return m_command; }
  int Run() override;

 private:
  CLI::App* m_command = nullptr;
  std::string m_script;
  bool m_json = false;
};
