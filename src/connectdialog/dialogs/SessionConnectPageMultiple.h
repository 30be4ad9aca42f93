// The Connection page of a host with both clients installed: a terminal protocol list (the
// protocols of the terminal products) and a file transfer protocol list (those of the transfer
// product), "None" in both. Picking a protocol switches the session's side and its pages at
// once; a terminal protocol of "TAPI" or "Serial" leaves no transfer side to pick, so the
// transfer list then shows "None" and is disabled (the session's transfer protocol is kept).
#pragma once

#include "dialogs/SessionConnectPage.h"

class SessionConnectPageMultiple : public SessionConnectPage {
 public:
  SessionConnectPageMultiple(SessionOptionsDialog& dialog, SessionConfig& session);

  bool Create() override;

 protected:
  void OnControlChanged(VPageControl& control) override;

 private:
  void PickTerminal(VPageControl& list);
  void PickTransfer(VPageControl& list);
  void FitTransferList(std::string const& terminal);
};
