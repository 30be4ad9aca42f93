// The Firewall page of the Global Options dialog: the stored firewall definitions (list 11429)
// with "&Add..." (11430), "&Edit..." (11431) and "&Delete" (11432, after a question). A
// confirmed change is stored at once as the firewall's own record; a renamed firewall keeps its
// key's values. Sessions naming a firewall are not changed.
#pragma once

#include <string>

#include "VPropertyTreePage.h"

class GlobalFirewallPage : public VPropertyTreePage {
 public:
  enum ControlId { kList = 11429, kAdd, kEdit, kDelete };

  GlobalFirewallPage();

  bool OnSetActive() override;

 private:
  void FillList(std::string const& selected);
  void Add();
  void EditSelected();
  void DeleteSelected();
  static void Failed(std::string const& name);
};
