#include "UrlCommand.h"

#include <cstdint>
#include <nlohmann/json.hpp>

#include "CommandOutput.h"
#include "JsonOutput.h"
#include "ReportOutput.h"
#include "VReportMessageParams.h"
#include "session/URL.h"

namespace {

nlohmann::ordered_json Describe(URL const& url) {
  bool isDefault = false;
  unsigned short const port = url.GetPort(isDefault);
  return {{"ok", true},
          {"scheme", static_cast<int32_t>(url.GetScheme())},
          {"schemeName", url.GetSchemeName().Str()},
          {"host", url.GetAddress()},
          {"port", port},
          {"portIsDefault", isDefault},
          {"user", url.GetUsername()},
          {"password", url.GetPassword()},
          {"object", url.GetObject()},
          {"transferType", url.GetTransferType()}};
}

}  // namespace

UrlCommand::UrlCommand(CLI::App& app) {
  CLI::App* url = app.add_subcommand("url", "Connection URLs");
  url->require_subcommand(1);
  CLI::App* parse = AddVerb(*url, "parse", "Split a URL into scheme, login, host, port, path and transfer type",
                            [this] { return Parse(); });
  parse->add_option("TEXT", m_text, "The URL, for example sftp://user@host:2222/home;type=a")->required();
  parse->add_option("--default-password", m_defaultPassword, "The password of anonymous FTP logins");
  parse->add_flag("--json", m_json,
                  "Print one JSON document: the parts with \"ok\":true, or {\"ok\":false,\"code\":…,\"text\":…}");
}

int UrlCommand::Parse() const {
  URL url(m_defaultPassword.c_str());
  VReportMessageParams report;
  if (url.ParseAppUrl(m_text.c_str(), report)) {
    nlohmann::ordered_json const parts = Describe(url);
    return m_json ? JsonOutput::Print(parts) : CommandOutput::Print(JsonOutput::FieldLines(parts));
  }
  return ReportOutput::Refuse(report, m_json);
}
