// The New Session Wizard pages of our plug-ins as data: the template ids each protocol's pages
// use (distinct across plug-ins, so a wizard finds a protocol's first page by its id) and the
// pages every network protocol shares: the host and its port, then the user.
#pragma once

#include <string>
#include <vector>

#include "WizardPageSet.h"

class WizardPageDeclarations {
 public:
  enum FirstTemplate : unsigned int {
    kSsh2 = 11470,
    kSsh1 = 11472,
    kTelnet = 11474,
    kRLogin = 11476,
    kSerial = 11478,
    kTapi = 11479,
    kSftp = 11480,
    kFtp = 11482,
  };
  enum ControlId {
    kIntro = 1500, kHost = 1501, kPort = 1502, kUser = 1503, kDevice = 1504, kSpeed = 1505, kPhoneNumber = 1506,
  };

  // Two pages from `firstTemplate` on: host and the port stored as `portOption` (1 to 65535), then the user.
  static std::vector<WizardPageSet::Declaration> Network(unsigned int firstTemplate, std::string const& portOption);
  // A static text for the top of a page.
  static VPageControl Intro(std::string text);
};
