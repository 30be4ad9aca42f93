#include "session/SessionConfig.h"

#include <strings.h>

#include <algorithm>
#include <new>
#include <string>

#include "VProfileCapiUpgrade.h"
#include "VProfileKey.h"
#include "VProfileStore.h"
#include "library/LibraryState.h"
#include "library/SessionKeyPath.h"
#include "platform/shell/ExecutableFolder.h"
#include "session/FirewallStore.h"
#include "transfer/LogFile.h"

namespace {

constexpr char kDefaultSession[] = "Default";
constexpr int kIdleTimeoutWhenZero = 300;
constexpr int kNoXModemPacketSize = 128;
constexpr int kMaxTransferBuffers = 8;
constexpr int kDefaultTransferBuffers = 4;

bool EqualsNoCase(VString const& text, char const* other) { return strcasecmp(text.c_str(), other) == 0; }

}  // namespace

SessionConfig::SessionConfig(CString const& name, VProfileKey* key)
    : terminal(nullptr), printerSerialPort(nullptr), m_connections(key), m_name(name) {
  Load(key);
  ApplyLoadRules(key);
  m_path = m_name;
  HandleDefaultSession(key);
}

void SessionConfig::ApplyLoadRules(VProfileKey* key) {
  if (!isSession) isSession = true;
  MigrateLoginScript(key);
  if (xmodemSendPacketSize == kNoXModemPacketSize) xmodemSendPacketSize = 0;
  ApplyIdleRules(key);
  if (useRawMode != 0) usePrinterPort = 0;
  if (maxTransferBuffers < 1 || maxTransferBuffers > kMaxTransferBuffers) maxTransferBuffers = kDefaultTransferBuffers;
  DefaultViewStates();
}

// Older hosts kept the script protected for the user, which another machine cannot read; the
// encoded form travels with exported sessions, so the key is rewritten at once. A script this
// user cannot read stays stored as it was, for whoever can.
void SessionConfig::MigrateLoginScript(VProfileKey* key) { VProfileCapiUpgrade::Upgrade(loginScript, key); }

// Sessions from before "Idle Check" existed checked whenever they had a timeout.
void SessionConfig::ApplyIdleRules(VProfileKey* key) {
  if (key != nullptr && idleCheck.IsDirty() && idleTimeout > 0) idleCheck.Load(nullptr, 1);
  if (idleTimeout == 0) idleTimeout = kIdleTimeoutWhenZero;
  idleTimeout = std::clamp(static_cast<int>(idleTimeout), kMinIdleTimeout, kMaxIdleTimeout);
  idleNoOpTimeout = std::clamp(static_cast<int>(idleNoOpTimeout), kMinIdleTimeout, kMaxIdleTimeout);
}

// A session without its own layout starts from the global one with every number replaced, so
// the global layout itself never shows through: the defaults are fixed.
void SessionConfig::DefaultViewStates() {
  if (remoteExplorerFrameState.IsEmpty()) remoteExplorerFrameState.SetNumbers({1, -1, -1});
  if (remoteListViewState.IsEmpty()) {
    VProfileListViewState::Layout layout;
    layout.first = layout.second = 1;
    layout.third = 1;
    remoteListViewState.SetLayout(layout);
  }
}

void SessionConfig::HandleDefaultSession(VProfileKey* key) {
  if (m_name != kDefaultSession) {
    m_connections.ClearBlankProtocols();
    return;
  }
  if (key != nullptr) {
    if (m_connections.AnyProtocolBlank()) Save(key, true);
    return;
  }
  if (SessionKeyPath::Exists(kDefaultSession)) return;
  VProfileStore store;
  VProfileKey defaults(store.Root(), SessionKeyPath::Of(kDefaultSession));
  Save(&defaults, true);
}

CString SessionConfig::GetConnectDialogDescription() {
  ConnectConfig* const terminalConfig = GetTermConnectConfig();
  ConnectConfig* const transferConfig = GetTransferConnectConfig();
  if (!terminalConfig && !transferConfig) return CString();
  CString host = terminalConfig ? terminalConfig->GetHostname() : CString();
  if (host.IsEmpty() && transferConfig) host = transferConfig->GetHostname();
  VString const protocol = GetTerminalProtocol();
  char const* label = protocol == "TAPI" ? "Phone number:" : protocol == "Serial" ? "Port:" : "Hostname:";
  std::string text = std::string(label) + " " + host.Str();
  if (description.GetSize() > 0) text += "\n" + description.GetText(true).Str();
  return CString(std::move(text));
}

void SessionConfig::SetInitialDirectory(char const* directory) {
  if (ConnectConfig* config = GetTransferConnectConfig()) config->SetInitialDirectory(directory);
}

void SessionConfig::GetSerializedFirewallNames(IBuffer* buffer) { FirewallStore::GetSerializedFirewallNames(buffer); }

bool SessionConfig::TerminalIsRelevant() {
  return GetApplicationName().View().find("Korvo") != std::string_view::npos;
}

VString SessionConfig::GetRelevantProtocol() const {
  return TerminalIsRelevant() ? GetTerminalProtocol() : GetTransferProtocol();
}

void SessionConfig::SetRelevantProtocol(char const* protocol) {
  if (TerminalIsRelevant())
    SetTerminalProtocol(protocol);
  else
    SetTransferProtocol(protocol);
}

void SessionConfig::SetTerminalProtocol(char const* protocol) {
  m_lastError.Empty();
  m_connections.SetProtocol(m_connections.Terminal(), protocol);
}

void SessionConfig::SetTransferProtocol(char const* protocol) {
  m_lastError.Empty();
  m_connections.SetProtocol(m_connections.Transfer(), protocol);
}

ConnectConfig* SessionConfig::GetRelevantConnectConfig() {
  return TerminalIsRelevant() ? GetTermConnectConfig() : GetTransferConnectConfig();
}

void SessionConfig::SetTransferConnectConfig(ConnectConfigPtr const& other) {
  m_connections.Transfer().SetConnectConfig(other, m_connections.Common());
}

VString SessionConfig::GetFirewallName() {
  ConnectConfig* config = GetRelevantConnectConfig();
  return config ? config->GetFirewallName() : VString();
}

void SessionConfig::SetFirewallName(VString name) {
  if (ConnectConfig* config = GetRelevantConnectConfig()) config->SetFirewallName(std::move(name));
}

int SessionConfig::IsDefaultSession() const { return m_name == kDefaultSession && m_path == kDefaultSession ? 1 : 0; }

void SessionConfig::IsDefaultSession(int isDefault) {
  if (ConnectConfig* config = GetRelevantConnectConfig()) config->IsDefaultSession(isDefault);
}

CString SessionConfig::CommandLine() {
  ConnectConfig* config = GetRelevantConnectConfig();
  if (config && config->HasCommandLine() && config->CanConnect() != 0) {
    CString line;
    if (config->GetFirewallName() != "None") line = "/FIREWALL ";
    line += config->CommandLine().Str();
    return line;
  }
  return CString("/S \"" + m_path.Str() + "\"");
}

VString SessionConfig::GetExpandedLogFilename() {
  ConnectConfig* config = GetRelevantConnectConfig();
  CString const host = config ? config->GetHostname() : CString();
  return LogFile::Expand(host.c_str(), m_name.c_str(), logFilename);
}

CString SessionConfig::HostAddress() const {
  ConnectConfig* config = m_connections.Transfer();
  return config ? config->GetHostname() : CString();
}

int SessionConfig::HostPort() const {
  ConnectConfig* config = m_connections.Transfer();
  return config ? config->GetPort() : -1;
}

int SessionConfig::IsAnonymousLogin() const {
  ConnectConfig* config = m_connections.Transfer();
  if (!config || !EqualsNoCase(GetTransferProtocol(), "FTP")) return 0;
  VString const user = config->GetUsername();
  return EqualsNoCase(user, "anonymous") || EqualsNoCase(user, "ftp") ? 1 : 0;
}

VString SessionConfig::GetInitialDirectory() {
  ConnectConfig* config = GetTransferConnectConfig();
  return config ? config->GetInitialDirectory() : VString();
}

void SessionConfig::loadVMS() {
  m_connections.SetProtocol(m_connections.Terminal(), "Telnet");
  terminal.emulation = "VT220";
  terminal.ansiColor = 0;
  terminal.rows = 24;
  terminal.cols = 80;
  terminal.colorScheme = "Traditional";
  terminal.normalFont = VLogFont(80, -11, 0, 0, 0, 400, 0, 0, 0, 0, 4, 2, 1, 0x31, "vt100");
  terminal.narrowFont = VLogFont(70, -9, 0, 0, 0, 400, 0, 0, 0, 0, 1, 2, 1, 0x31, "vt100");
  terminal.useNarrowFont = 1;
  terminal.keypadMode = 1;
  terminal.blinkingCursor = true;
  terminal.cursorStyle = 0;
  terminal.mapBackspace = 1;
  terminal.keymapName = "VT220";
  terminal.emacsMode = 0;
}

void SessionConfig::loadCRiSP() {
  m_connections.SetProtocol(m_connections.Terminal(), "Telnet");
  terminal.emulation = "ANSI";
  terminal.ansiColor = 1;
  terminal.rows = 24;
  terminal.cols = 80;
  terminal.normalFont = VLogFont(100, -13, 0, 0, 0, 400, 0, 0, 0, 255, 1, 2, 1, 0x31, "Terminal");
  terminal.useNarrowFont = 0;
  terminal.keypadMode = 0;
  terminal.lineWrap = 1;
  terminal.blinkingCursor = true;
  terminal.cursorStyle = 0;
  terminal.verticalScrollbar = 0;
  terminal.jumpScroll = 1;
  terminal.keymapName = "Custom";
  terminal.keymapFilename = ExecutableFolder() + "/keymaps/crisp.key";
  terminal.emacsMode = 0;
}

ISessionConfig* CreateSessionConfig(char const* name, VProfileKey* key) {
  try {
    return new SessionConfig(CString(name), key);
  } catch (std::bad_alloc const&) {
    return nullptr;
  }
}
