// Connecting from the Connect dialog: preparing the session, ending with it here or launching
// the sibling host on it, and Quick Connect.
#include "database/GlobalConfig.h"
#include "database/SessionDatabase.h"
#include "database/SiblingLaunch.h"
#include "dialogs/ConnectDialog.h"
#include "dialogs/ConnectDialogTexts.h"
#include "library/LibraryState.h"
#include "library/ProductInfo.h"
#include "platform/ui/UserInterface.h"
#include "session/ConnectConfig.h"
#include "session/ISessionConfig.h"

namespace {

bool RunsTerminalHost() {
  int const product = GetCurrentAppProductID();
  return product == kProductKorvo || product == kProductHaloKorvo;
}

}  // namespace

void ConnectDialog::SetCurrent(ISessionConfig* session) {
  if (session) session->AddRef();
  if (m_current) m_current->Release();
  m_current = session;
}

ISessionConfig* ConnectDialog::TakeSession() {
  if (EndCode() != IDOK || m_browse || !m_current) return nullptr;
  m_current->AddRef();
  return m_current;
}

bool ConnectDialog::Prepare(ConnectTreeItem& item) {
  ISessionConfig* session = item.Session(m_sortAlphabetically);
  if (!session) return false;
  SetCurrent(session);
  int const product = GetCurrentAppProductID();
  if (product != kProductHaloFyx && !RunsTerminalHost()) return false;
  bool const terminal = RunsTerminalHost();
  ConnectConfig* connection = terminal ? session->GetTermConnectConfig() : session->GetTransferConnectConfig();
  if (!connection) return true;
  std::string const protocol = (terminal ? session->GetTerminalProtocol() : session->GetTransferProtocol()).Str();
  if (protocol == "None" || (terminal && (protocol == "TAPI" || protocol == "Serial"))) return true;
  if (!connection->GetHostname().IsEmpty()) return true;
  std::string host;
  // The prompt's OK is enabled only while the field holds a name.
  while (host.empty())
    if (!GetUserInterface().PromptText(ConnectDialogTexts::kHostnamePrompt, ConnectDialogTexts::kHostnameCaption, host))
      return false;
  connection->SetHostname(host.c_str());
  SessionDatabase(m_sortAlphabetically).Save(session, false);
  return true;
}

bool ConnectDialog::CanConnect(bool terminal) {
  ISessionConfig* session = m_selected ? m_selected->Session(m_sortAlphabetically) : nullptr;
  if (!session) return false;
  if (terminal) return IsHaloKorvo_Korvo_Installed() && session->CanConnectTerminalConfig();
  return IsHaloFyx_Installed() && session->CanConnectTransferConfig();
}

void ConnectDialog::Choose(ConnectTreeItem& item) {
  m_resultName = item.Label();
  m_resultPath = item.Path();
  Close(IDOK);
}

void ConnectDialog::Launch(bool terminal, std::string const& path) {
  std::string const parameters = GetApplicationCommandLine().Str() + " /S \"" + path + "\"";
  terminal ? LaunchTerminalApp(parameters.c_str()) : LaunchFileTransferApp(parameters.c_str());
}

void ConnectDialog::Connect() {
  ConnectTreeItem* item = m_selected;
  if (!item || item->IsFolder() || !Prepare(*item)) return;
  bool const terminalOk = CanConnect(true);
  bool const transferOk = CanConnect(false);
  bool const terminalHost = RunsTerminalHost();
  if ((terminalHost && terminalOk) || (GetCurrentAppProductID() == kProductHaloFyx && transferOk)) return Choose(*item);
  if (terminalOk) Launch(true, item->Path());
  else if (transferOk) Launch(false, item->Path());
}

void ConnectDialog::ConnectWith(int id) {
  ConnectTreeItem* item = m_selected;
  if (!item || item->IsFolder() || !Prepare(*item)) return;
  bool const terminalHost = RunsTerminalHost();
  if (id == kConnectBoth) {
    Launch(!terminalHost, item->Path());
    return Choose(*item);
  }
  bool const wantsTerminal = id == kConnectTerminal;
  if (wantsTerminal == terminalHost) return Choose(*item);
  Launch(wantsTerminal, item->Path());
  Close(IDCANCEL);
}

void ConnectDialog::QuickConnect() {
  ConnectTreeItem* folder = m_selected ? m_selected->Folder() : &Tree().Root();
  SetCurrent(nullptr);
  ISessionConfig* session = nullptr;
  if (CallQuickConnect(folder->Path().c_str(), &session) != 1 || !session) return;
  SetCurrent(session);
  session->Release();
  m_resultName = session->GetSessionName().Str();
  m_resultPath = session->GetSessionPath().Str();
  Close(IDOK);
}
