// The Color Schemes page of the Global Options dialog: the list of colour schemes (1343) with
// "&Edit..." (1141), "&New..." (1344, a name prompt, then the editor on a copy of the selected
// scheme) and "&Delete" (1345, after a question; Monochrome, Traditional and Windows are kept).
// A confirmed change is stored at once, as the scheme editor's own record, and the dialog's
// configuration and working copy both take it, so Cancel of the dialog cannot undo it and a
// later save of the configuration cannot bring back what was deleted.
#pragma once

#include <string>

#include "VPropertyTreePage.h"

class GlobalConfig;

class GlobalColorSchemesPage : public VPropertyTreePage {
 public:
  enum ControlId { kList = 1343, kEdit = 1141, kNew = 1344, kDelete = 1345 };

  // `options` is the dialog's working copy, `config` the configuration it edits; both outlive it.
  GlobalColorSchemesPage(GlobalConfig& options, GlobalConfig& config);

  bool OnSetActive() override;

 private:
  void FillList(std::string const& selected);
  void EditSelected();
  void AddNew();
  void DeleteSelected();
  void Store(std::string const& selected);
  bool NewName(std::string& name);

  GlobalConfig& m_options;
  GlobalConfig& m_config;
};
