#include "dialogs/SessionConnectPageSingle.h"

#include "dialogs/SessionOptionsDialog.h"
#include "session/ConnectProtocolTable.h"
#include "session/SessionConfig.h"

SessionConnectPageSingle::SessionConnectPageSingle(SessionOptionsDialog& dialog, SessionConfig& session)
    : SessionConnectPage(11438, Declarations({Declared(kProtocolList, VControlKind::Choice, "&Protocol:")}), dialog, session) {}

bool SessionConnectPageSingle::Create() {
  SessionConnectPage::Create();
  std::vector<int> every(GetConnectProtocolTable().GetSize());
  for (size_t i = 0; i < every.size(); ++i) every[i] = static_cast<int>(i);
  FillList(kProtocolList, every, m_session.GetRelevantProtocol().Str());
  return true;
}

void SessionConnectPageSingle::OnControlChanged(VPageControl& list) {
  if (list.id != kProtocolList) return;
  int const previous = SettledIndex(kProtocolList);
  int index = -1;
  if (!Picked(list, index)) return;
  m_session.SetRelevantProtocol(list.value.c_str());
  m_dialog.ProtocolChanged();
  m_dialog.UpdateSessionProtocolPages(previous, index, -1);
  if (m_session.IsHKRVSession()) {
    m_dialog.ShowHideTerminalPages(list.value != "None");
  } else {
    m_dialog.ShowHideFileTransferPages(list.value != "None");
  }
}
