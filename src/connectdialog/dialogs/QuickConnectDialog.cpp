#include "dialogs/QuickConnectDialog.h"

#include <algorithm>
#include <optional>

#include "database/GlobalConfig.h"
#include "database/GlobalConfigInstance.h"
#include "database/SessionDatabase.h"
#include "database/SessionName.h"
#include "library/ProductInfo.h"
#include "platform/ui/UserInterface.h"
#include "session/ConnectConfig.h"
#include "session/ConnectConfigPtr.h"
#include "session/ConnectProtocolTable.h"
#include "session/SessionConfig.h"

namespace {

constexpr char kNoProtocol[] = "This application has no protocol that connects to a host.";
constexpr char kNoHost[] = "Please enter the host to connect to.";
constexpr char kBlankInHost[] = "A host name cannot contain blanks.";
constexpr char kBadPort[] = "Please enter a port between 1 and 65535.";
constexpr char kNoFolder[] = "The folder to save the session in no longer exists.";
constexpr char kNotStored[] = "ERROR: The session could not be stored.";
constexpr char kBlanks[] = " \t\r\n\v\f";

// Serial lines and modems are reached by device and number, not by host and port.
bool ConnectsToHost(std::string const& protocol) {
  return protocol != "None" && protocol != "TAPI" && protocol != "Serial";
}

std::string Trimmed(std::string const& text) {
  size_t const first = text.find_first_not_of(kBlanks);
  return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::optional<int> PortOf(std::string const& text) {
  if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  int const port = std::stoi(text);
  return port >= 1 && port <= 65535 ? std::optional<int>(port) : std::nullopt;
}

std::string Join(std::string const& folder, std::string const& name) { return folder.empty() ? name : folder + "\\" + name; }

int SortOrder() {
  GlobalConfig* config = nullptr;
  GetGlobalConfig(config);
  return config ? config->sortAlphabetical : 0;
}

}  // namespace

QuickConnectDialog::QuickConnectDialog(std::string folder) : m_folder(std::move(folder)) {}

QuickConnectDialog::~QuickConnectDialog() {
  if (m_session) m_session->Release();
}

unsigned long QuickConnectDialog::Run(char const* folder, ISessionConfig** session) {
  QuickConnectDialog dialog(folder ? folder : "");
  if (dialog.DoModal() != IDOK) return IDCANCEL;
  ISessionConfig* made = dialog.TakeSession();
  if (!made) return IDCANCEL;
  if (session) *session = made;
  else made->Release();
  return IDOK;
}

void QuickConnectDialog::Open() {
  DialogModel::Open();
  if (m_session) m_session->Release();
  ISessionConfig* base = SessionDatabase(SortOrder()).Lookup(SessionDatabase::kDefaultName);
  if (!base) base = CreateSessionConfig(SessionDatabase::kDefaultName, nullptr);
  m_session = dynamic_cast<SessionConfig*>(base);
  if (!m_session && base) base->Release();
  bool const terminal = GetCurrentAppProductID() != kProductHaloFyx;
  ConnectProtocolTable& table = GetConnectProtocolTable();
  m_protocols.clear();
  for (int i = 0; i < table.GetSize(); ++i) {
    VString name = table[i].protocolName;
    if (ConnectsToHost(name.Str()) && ConnectConfigPtr::ValidateProtocolName(terminal, name))
      m_protocols.push_back(table[i].protocolName.Str());
  }
  std::string protocol = m_session ? m_session->GetRelevantProtocol().Str() : std::string();
  if (std::find(m_protocols.begin(), m_protocols.end(), protocol) == m_protocols.end())
    protocol = m_protocols.empty() ? std::string() : m_protocols.front();
  m_values = {{kProtocol, protocol}, {kHostname, ""}, {kPort, ""}, {kUsername, ""}, {kSave, "false"}};
  if (m_session && !protocol.empty()) m_session->SetRelevantProtocol(protocol.c_str());
  ShowPort();
  m_focus = kHostname;
}

void QuickConnectDialog::ShowPort() {
  ConnectConfig* connection = m_session ? m_session->GetRelevantConnectConfig() : nullptr;
  int const port = connection ? connection->GetPort() : -1;
  m_values[kPort] = port > 0 ? std::to_string(port) : std::string();
}

bool QuickConnectDialog::SetControl(int id, std::string const& value, std::string& error) {
  if (IsEnded()) {
    error = "the dialog has ended";
    return false;
  }
  switch (id) {
    case kProtocol:
      if (std::find(m_protocols.begin(), m_protocols.end(), value) == m_protocols.end()) {
        error = "\"" + value + "\" is not one of the protocols offered";
        return false;
      }
      m_values[kProtocol] = value;
      if (m_session) m_session->SetRelevantProtocol(value.c_str());
      ShowPort();
      return true;
    case kHostname:
    case kPort:
    case kUsername:
      m_values[id] = value;
      return true;
    case kSave:
      if (value != "true" && value != "false") {
        error = "the check box takes \"true\" or \"false\", not \"" + value + "\"";
        return false;
      }
      m_values[kSave] = value;
      return true;
    default:
      return DialogModel::SetControl(id, value, error);
  }
}

void QuickConnectDialog::OnOK() {
  if (IsEnded()) return;
  if (!m_session || m_protocols.empty()) {
    Refuse(kProtocol, kNoProtocol);
    return;
  }
  std::string const host = Trimmed(m_values[kHostname]);
  if (host.empty()) {
    Refuse(kHostname, kNoHost);
    return;
  }
  if (host.find_first_of(kBlanks) != std::string::npos) {
    Refuse(kHostname, kBlankInHost);
    return;
  }
  std::optional<int> const port = PortOf(Trimmed(m_values[kPort]));
  if (!port) {
    Refuse(kPort, kBadPort);
    return;
  }
  if (Make(host, *port)) EndDialog(IDOK);
}

bool QuickConnectDialog::Make(std::string const& host, int port) {
  std::string name = SessionName::Safe(host);
  if (std::string const problem = SessionName::Problem(name); !problem.empty()) return Refuse(kHostname, problem);
  bool const save = m_values[kSave] == "true";
  if (save) {
    SessionDatabase database(SortOrder());
    if (!m_folder.empty() && (!SessionDatabase::Exists(m_folder.c_str()) || !database.IsFolder(m_folder.c_str())))
      return Refuse(kSave, kNoFolder);
    name = SessionDatabase::CopyName(m_folder.c_str(), name.c_str(), true).Str();
  }
  ConnectConfig* connection = m_session->GetRelevantConnectConfig();
  if (!connection) return Refuse(kProtocol, kNoProtocol);
  connection->SetHostname(host.c_str());
  connection->SetPort(port);
  connection->SetUsername(Trimmed(m_values[kUsername]).c_str());
  m_session->SetSessionName(name.c_str());
  m_session->SetSessionPath(save ? Join(m_folder, name).c_str() : "");
  if (save && !SessionDatabase(SortOrder()).InsertSession(m_folder.c_str(), name.c_str(), m_session, "", true))
    return Refuse(kSave, kNotStored);
  return true;
}

bool QuickConnectDialog::Refuse(int control, std::string const& text) {
  m_focus = control;
  GetUserInterface().MessageBox(text, kTitle, MB_OK | MB_ICONEXCLAMATION);
  return false;
}

std::string QuickConnectDialog::Value(int id) const {
  auto const found = m_values.find(id);
  return found == m_values.end() ? std::string() : found->second;
}

std::string QuickConnectDialog::Label(int id) {
  switch (id) {
    case kProtocol: return "&Protocol:";
    case kHostname: return "&Hostname:";
    case kPort: return "P&ort:";
    case kUsername: return "&Username:";
    case kSave: return "&Save session";
    default: return {};
  }
}

ISessionConfig* QuickConnectDialog::TakeSession() {
  if (!IsEnded() || EndCode() != IDOK || !m_session) return nullptr;
  ISessionConfig* const taken = m_session;
  m_session = nullptr;
  return taken;
}
