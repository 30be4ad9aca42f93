#include "HostUrlSession.h"

#include "VReportMessageParams.h"
#include "database/OptionsUrlSession.h"
#include "dialogs/QuickConnectDialog.h"
#include "library/ProductInfo.h"
#include "session/URL.h"

namespace {

// The terminal protocol a URL scheme asks for; null for a scheme no terminal client opens.
char const* TerminalProtocol(unsigned long scheme) {
  switch (scheme) {
    case URL::kTelnet: return "Telnet";
    case URL::kRlogin: return "RLogin";
    case URL::kSsh:
    case URL::kSsh2: return "SSH2";
    case URL::kSsh1: return "SSH1";
    default: return nullptr;
  }
}

ISessionConfig* MakeTransfer(std::string const& url, std::string& error) {
  int transferType = URL::kNoTransferType;
  VReportMessageParams report;
  ISessionConfig* made = CreateSessionConfig(url.c_str(), transferType, report);
  if (!made) error = report.GetTextSingleLine();
  return made;
}

ISessionConfig* MakeTerminal(std::string const& url, std::string& error) {
  URL parsed(nullptr);
  VReportMessageParams report;
  if (!parsed.ParseAppUrl(url.c_str(), report)) {
    error = report.GetTextSingleLine();
    return nullptr;
  }
  char const* protocol = TerminalProtocol(parsed.GetScheme());
  if (!protocol) {
    error = "a terminal session cannot be made from the URL scheme \"" + std::string(parsed.GetSchemeName().Str()) + "\"";
    return nullptr;
  }
  bool isDefault = false;
  unsigned short const port = parsed.GetPort(isDefault);
  QuickConnectDialog dialog("");
  dialog.Open();
  std::string refused;
  bool const filled = dialog.SetControl(QuickConnectDialog::kProtocol, protocol, refused) &&
                      dialog.SetControl(QuickConnectDialog::kHostname, parsed.GetAddress(), refused) &&
                      (isDefault || dialog.SetControl(QuickConnectDialog::kPort, std::to_string(port), refused)) &&
                      dialog.SetControl(QuickConnectDialog::kUsername, parsed.GetUsername(), refused);
  if (filled) dialog.OnOK();
  ISessionConfig* made = dialog.TakeSession();
  if (!made) error = refused.empty() ? "no " + std::string(protocol) + " session can be made from \"" + url + "\"" : refused;
  return made;
}

}  // namespace

bool HostUrlSession::IsUrl(std::string const& text) { return text.find("://") != std::string::npos; }

ISessionConfig* HostUrlSession::Make(std::string const& url, std::string& error) {
  return GetCurrentAppProductID() == kProductHaloFyx ? MakeTransfer(url, error) : MakeTerminal(url, error);
}
