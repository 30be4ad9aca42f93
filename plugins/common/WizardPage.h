// A page a protocol plug-in adds to the New Session Wizard: controls declared as data. Each time
// it is shown it binds them to the options of the session as it is then (the protocol picked a
// page earlier decides which records the session has), so "Serial Baud Rate" or "SSH2 Port"
// read and write the record the session really holds. The host and the user go through the
// protocol record's own accessors instead (a TAPI record keeps its phone number as its host), so
// their controls carry markers that name no option and are never bound.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "VOptionList.h"
#include "VPropertyTreePage.h"

class ConnectConfig;
class ISessionConfig;

class WizardPage : public VPropertyTreePage {
 public:
  static constexpr char kHostOption[] = "<host>";
  static constexpr char kUserOption[] = "<user>";

  // `protocol` names the record the page edits; the session must outlive the page.
  WizardPage(unsigned int templateId, std::string protocol, std::vector<VPageControl> controls,
             ISessionConfig& session);

  bool OnSetActive() override;
  // Numbers are checked against their ranges first (nothing is written when one is refused),
  // then the host goes to the record.
  bool OnKillActive() override;

 private:
  // The session's record of the page's protocol (either side); null when it has none.
  ConnectConfig* Record() const;
  // False, with the page refusing, when the record does not take the control's host.
  bool TakeHost(ConnectConfig& config, VPageControl const& control);

  std::string m_protocol;
  ISessionConfig& m_session;
  std::unique_ptr<VOptionList> m_options;
};
