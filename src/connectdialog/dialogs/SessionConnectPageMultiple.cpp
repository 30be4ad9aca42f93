#include "dialogs/SessionConnectPageMultiple.h"

#include "dialogs/SessionOptionsDialog.h"
#include "session/ConnectProtocolTable.h"
#include "session/SessionConfig.h"

namespace {

bool LeavesNoTransfer(std::string const& terminal) { return terminal == "TAPI" || terminal == "Serial"; }

}  // namespace

SessionConnectPageMultiple::SessionConnectPageMultiple(SessionOptionsDialog& dialog, SessionConfig& session)
    : SessionConnectPage(11459, Declarations({Declared(kProtocolGroup, VControlKind::Label, "Protocol"),
                                                       Declared(kTerminalList, VControlKind::Choice, "&Terminal:"),
                                                       Declared(kTransferList, VControlKind::Choice, "&File Transfer:")}), dialog, session) {}

bool SessionConnectPageMultiple::Create() {
  SessionConnectPage::Create();
  FillList(kTerminalList, EntriesOfProducts({1, 3}), m_session.GetTerminalProtocol().Str());
  FillList(kTransferList, EntriesOfProducts({6}), m_session.GetTransferProtocol().Str());
  FitTransferList(Control(kTerminalList)->value);
  return true;
}

void SessionConnectPageMultiple::FitTransferList(std::string const& terminal) {
  VPageControl* transfer = Control(kTransferList);
  transfer->enabled = !LeavesNoTransfer(terminal);
  if (transfer->enabled) {
    ShowSettled(kTransferList);
  } else {
    transfer->value = transfer->shown = "None";
  }
}

void SessionConnectPageMultiple::OnControlChanged(VPageControl& control) {
  if (control.id == kTerminalList) PickTerminal(control);
  if (control.id == kTransferList) PickTransfer(control);
}

void SessionConnectPageMultiple::PickTerminal(VPageControl& list) {
  int const previous = SettledIndex(kTerminalList);
  int index = -1;
  if (!Picked(list, index)) return;
  m_session.SetTerminalProtocol(list.value.c_str());
  m_dialog.ProtocolChanged();
  m_dialog.UpdateSessionProtocolPages(previous, index, SettledIndex(kTransferList));
  m_dialog.ShowHideTerminalPages(list.value != "None");
  FitTransferList(list.value);
}

void SessionConnectPageMultiple::PickTransfer(VPageControl& list) {
  int const previous = SettledIndex(kTransferList);
  int index = -1;
  if (!Picked(list, index)) return;
  m_session.SetTransferProtocol(list.value.c_str());
  m_dialog.ProtocolChanged();
  m_dialog.UpdateSessionProtocolPages(previous, index, SettledIndex(kTerminalList));
  m_dialog.ShowHideFileTransferPages(list.value != "None");
}
