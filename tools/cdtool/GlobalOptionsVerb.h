// `cdtool dialog global-options`: the Global Options dialog over the product's global options,
// run from a script as the running product's host shows it (its products installed, its
// protocol table for the default session's dialog, its file types). OK saves the global
// options; Cancel saves nothing. The list editors (colour schemes, file types, firewalls) and
// the default session store their own records when the user confirms them, as in a host.
#pragma once

#include <string>

#include "DialogVerb.h"
#include "ProtocolTableLoader.h"

class GlobalOptionsVerb : public DialogVerb {
 public:
  explicit GlobalOptionsVerb(CLI::App& dialog);

  CLI::App* Command() const override { return m_command; }
  int Run() override;

 private:
  CLI::App* m_command = nullptr;
  ProtocolTableLoader m_loader;
  std::string m_start;
  std::string m_script;
  bool m_json = false;
};
