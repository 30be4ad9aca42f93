// `cdtool dialog connect`: the Connect dialog on the session tree of the chosen product, run
// from a script. It changes the store exactly as the dialog would; sibling launches are
// recorded, and with --no-launch not run. The running product counts as installed, the others
// only when named with --installed.
#pragma once

#include <string>

#include "DialogVerb.h"
#include "InstalledProducts.h"
#include "ProtocolTableLoader.h"

class ConnectDialogVerb : public DialogVerb {
 public:
  explicit ConnectDialogVerb(CLI::App& dialog);

  CLI::App* Command() const override { return m_command; }
  int Run() override;

 private:
  ProtocolTableLoader m_loader;
  CLI::App* m_command = nullptr;
  CLI::Option* m_browseOption = nullptr;
  std::string m_browse;
  std::string m_script;
  InstalledProducts m_installed;
  bool m_noLaunch = false;
  bool m_json = false;
};
