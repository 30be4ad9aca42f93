#include "session/UrlSession.h"

#include <algorithm>
#include <string_view>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "library/SessionKeyPath.h"
#include "platform/net/NumericAddress.h"
#include "resources/MessageCodes.h"
#include "session/ConnectConfig.h"
#include "session/SessionConfig.h"
#include "session/URL.h"

namespace {

constexpr char kDefaultSession[] = "Default";
constexpr int kFtpPort = 21;
constexpr int kSftpPort = 22;

// Where the session connects, from the URL or the bare host.
struct Target {
  CString host;
  CString object;
  int port = 0;
  CString user;
  CString password;
};

bool IsSftp(std::string_view protocol) {
  return std::ranges::equal(protocol, std::string_view("SFTP"),
                            [](char a, char b) { return (a >= 'a' && a <= 'z' ? a - 'a' + 'A' : a) == b; });
}

// The stored default session, or one with built-in defaults when the store has none.
SessionConfig* LoadDefaultSession() {
  {
    VProfileStore store;
    CString const keyPath = SessionKeyPath::Of(kDefaultSession);
    if (store.Root()->KeyExists(keyPath)) {
      VProfileKey key(store.Root(), keyPath);
      return new SessionConfig(kDefaultSession, &key);
    }
  }
  return new SessionConfig(kDefaultSession, nullptr);
}

Target FromUrl(URL const& url) {
  bool isDefault = false;
  return {url.GetAddress(), url.GetObject(), url.GetPort(isDefault), url.GetUsername(), url.GetPassword()};
}

Target FromHost(char const* host, bool sftp, CString const& anonymousPassword) {
  if (sftp) return {host, "", kSftpPort, "", ""};
  return {host, "", kFtpPort, "anonymous", anonymousPassword};
}

void Fill(SessionConfig& session, ConnectConfig& transfer, Target const& target) {
  if (IsSftp(session.GetTransferProtocol().View())) {
    if (!target.password.IsEmpty()) transfer.SetTemporaryPassword(target.password);
  } else {
    transfer.SetPassword(target.password);
    transfer.SetPasswordValid(!target.password.IsEmpty());
  }
  transfer.SetHostname(target.host);
  transfer.SetPort(target.port);
  transfer.SetUsername(target.user);
  session.SetInitialDirectory(target.object);
}

ISessionConfig* Refuse(SessionConfig* session) {
  session->Release();
  return nullptr;
}

// The protocol a bare host name connects with: the default session's, else FTP, whose port
// and anonymous login FromHost then fills in.
VString HostProtocol(SessionConfig& session) {
  VString const protocol = session.GetTransferProtocol();
  return protocol.IsEmpty() ? VString("FTP") : protocol;
}

// Names the protocol that was asked for, never the empty name of a side left without one.
ISessionConfig* RefuseProtocol(SessionConfig* session, VString const& protocol, VReportMessageParams& report) {
  report.Reset(message::kProtocolNotSupported);
  report.AddString(protocol.c_str());
  return Refuse(session);
}

}  // namespace

ISessionConfig* CreateSessionConfig(char const* text, CString const& anonymousPassword, int& transferType,
                                    VReportMessageParams& report) {
  SessionConfig* session = LoadDefaultSession();
  if (text == nullptr || *text == '\0') {
    report.Reset(message::kNotAUrl);
    return Refuse(session);
  }
  URL url(anonymousPassword);
  report.Reset(message::kNotAUrl);
  Target target;
  VString protocol;
  // A numeric address such as 192.168.1.5 holds no scheme, whatever a parser makes of its colons.
  if (!NumericAddress::IsNumericHost(text) && url.ParseAppUrl(text, report)) {
    target = FromUrl(url);
    transferType = url.GetTransferType();
    protocol = url.GetScheme() == URL::kFtp ? "FTP" : "SFTP";
  } else if (report.GetCode() == message::kNotAUrl) {
    protocol = HostProtocol(*session);
    target = FromHost(text, IsSftp(protocol.View()), anonymousPassword);
    transferType = URL::kNoTransferType;
  } else {
    return Refuse(session);
  }
  session->SetTransferProtocol(protocol.c_str());
  ConnectConfig* transfer = session->GetTransferConnectConfig();
  if (transfer == nullptr) return RefuseProtocol(session, protocol, report);
  Fill(*session, *transfer, target);
  return session;
}
