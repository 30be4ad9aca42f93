// The firewall properties dialog's page: a firewall's name, its kind and the options of its
// record (address, port, user, password, prompt, command), bound through the option model.
// Leaving it checks the name: not blank, no backslash, not "None" in any letter case (the direct
// connection), and not the name of another stored firewall.
#pragma once

#include <string>

#include "VOptionList.h"
#include "VPropertyTreePage.h"

class FirewallConfig;

class FirewallPropertiesPage : public VPropertyTreePage {
 public:
  enum ControlId { kName = 1971, kType, kAddress, kPort, kUser, kPassword, kPrompt, kCommand };

  // Edits `firewall`, which outlives the page, stored as `storedName` ("" for a new one).
  FirewallPropertiesPage(FirewallConfig& firewall, std::string storedName);

  bool OnSetActive() override;
  bool OnKillActive() override;

  // Runs the dialog; true, with the record changed and its new name set, when the user confirmed.
  static bool Edit(FirewallConfig& firewall, std::string const& storedName);

 private:
  FirewallConfig& m_firewall;
  std::string m_storedName;
  VOptionList m_options;
};
