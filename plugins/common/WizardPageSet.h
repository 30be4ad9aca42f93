// The New Session Wizard pages one plug-in module has made, per wizard: made from declarations
// when a wizard asks for them (protocol table callback slot 10) and taken out of the wizard and
// freed when it lets them go (slot 11). A module serving two protocols keeps both protocols'
// pages here; letting go frees them all. User-interface thread only.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "VPageControl.h"
#include "WizardPage.h"

class CPropertySheet;
class ISessionConfig;

class WizardPageSet {
 public:
  struct Declaration {
    unsigned int templateId;
    std::vector<VPageControl> controls;
  };

  // Makes `pages` for `protocol` and adds them to `wizard` in order.
  static void Add(CPropertySheet* wizard, ISessionConfig* session, char const* protocol,
                  std::vector<Declaration> const& pages);
  // Removes every page this module added to `wizard` and frees it.
  static void Release(CPropertySheet* wizard);

 private:
  static std::map<CPropertySheet*, std::vector<std::unique_ptr<WizardPage>>>& Pages();
};
