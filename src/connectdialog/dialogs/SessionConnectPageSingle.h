// The Connection page of a host with one client installed: one protocol list with every
// protocol of the table, standing for the session's relevant side (the terminal side in the
// terminal client, the transfer side in the transfer client).
#pragma once

#include "dialogs/SessionConnectPage.h"

class SessionConnectPageSingle : public SessionConnectPage {
 public:
  SessionConnectPageSingle(SessionOptionsDialog& dialog, SessionConfig& session);

  bool Create() override;

 protected:
  void OnControlChanged(VPageControl& control) override;
};
