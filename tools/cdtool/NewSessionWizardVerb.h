// `cdtool dialog wizard`: the New Session Wizard creating a session in a folder, run from a
// script, as the Connect dialog's New Session runs it. A finished wizard stores the session in
// the folder (at its end in the user-arranged order); anything else stores nothing.
#pragma once

#include <string>

#include "DialogVerb.h"
#include "InstalledProducts.h"
#include "ProtocolTableLoader.h"

class NewSessionWizardVerb : public DialogVerb {
 public:
  explicit NewSessionWizardVerb(CLI::App& dialog);

  CLI::App* Command() const override { return m_command; }
  int Run() override;

 private:
  ProtocolTableLoader m_loader;
  InstalledProducts m_products;
  CLI::App* m_command = nullptr;
  std::string m_folder;
  std::string m_script;
  bool m_json = false;
};
