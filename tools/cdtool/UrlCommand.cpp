#include "UrlCommand.h"

#include <cstdint>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "CommandOutput.h"
#include "RegValueView.h"
#include "VReportMessageParams.h"
#include "session/URL.h"

namespace {

std::string HexCode(unsigned long code) {
  char text[16];
  std::snprintf(text, sizeof(text), "0x%08lX", code & 0xFFFFFFFFul);
  return text;
}

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

std::string AsLines(nlohmann::ordered_json const& parts) {
  std::string lines;
  for (auto const& [name, value] : parts.items()) {
    if (name == "ok") continue;
    lines += name + ": " + (value.is_string() ? value.get<std::string>() : RegValueView::Dump(value)) + "\n";
  }
  return lines;
}

}  // namespace

UrlCommand::UrlCommand(CLI::App& app) {
  m_url = app.add_subcommand("url", "Connection URLs");
  m_url->require_subcommand(1);
  CLI::App* parse = m_url->add_subcommand("parse", "Split a URL into scheme, login, host, port, path and transfer type");
  parse->add_option("TEXT", m_text, "The URL, for example sftp://user@host:2222/home;type=a")->required();
  parse->add_option("--default-password", m_defaultPassword, "The password of anonymous FTP logins");
  parse->add_flag("--json", m_json,
                  "Print one JSON document: the parts with \"ok\":true, or {\"ok\":false,\"code\":…,\"text\":…}");
}

int UrlCommand::Run() const {
  URL url(m_defaultPassword.c_str());
  VReportMessageParams report;
  if (url.ParseAppUrl(m_text.c_str(), report)) {
    nlohmann::ordered_json const parts = Describe(url);
    return CommandOutput::Print(m_json ? RegValueView::Dump(parts) + "\n" : AsLines(parts));
  }
  if (!m_json) return CommandOutput::Refuse(report.GetTextSingleLine());
  CommandOutput::Print(
      RegValueView::Dump({{"ok", false}, {"code", HexCode(report.GetCode())}, {"text", report.GetText()}}) + "\n");
  return 1;
}
