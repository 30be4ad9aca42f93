#include "SessionFromUrlCommand.h"

#include <nlohmann/json.hpp>

#include "CommandOutput.h"
#include "JsonOutput.h"
#include "ReportOutput.h"
#include "VProfileStore.h"
#include "VReportMessageParams.h"
#include "database/OptionsUrlSession.h"
#include "database/SessionDatabase.h"
#include "session/SessionConfig.h"

namespace {

nlohmann::ordered_json Describe(SessionConfig& session, int transferType) {
  ConnectConfig* transfer = session.GetTransferConnectConfig();
  return {{"ok", true},
          {"transferProtocol", session.GetTransferProtocol().Str()},
          {"host", session.HostAddress().Str()},
          {"port", session.HostPort()},
          {"user", transfer ? transfer->GetUsername().Str() : ""},
          {"initialDirectory", session.GetInitialDirectory().Str()},
          {"transferType", transferType}};
}

}  // namespace

SessionFromUrlCommand::SessionFromUrlCommand(CLI::App& session, ProtocolTableLoader& loader)
    : m_loader(loader), m_product(session.get_parent()->get_option("--product")) {
  m_fromUrl =
      AddVerb(session, "from-url", "Make a file-transfer session from a URL or a host name", [this] { return Make(); });
  m_fromUrl->footer("Acts for the file-transfer host (halofyx): its protocol table, default session and store, "
                    "unless --product names another product.");
  m_fromUrl->add_option("TEXT", m_text, "The URL (such as sftp://me@host:2222/srv) or a host name")->required();
  m_fromUrl->add_option("--save", m_savePath, "Store the session at this path");
  m_fromUrl->add_flag("--json", m_json,
                      "Print {\"ok\":true,\"transferProtocol\",\"host\",\"port\",\"user\",\"initialDirectory\","
                      "\"transferType\"} or {\"ok\":false,\"code\",\"text\"}");
}

int SessionFromUrlCommand::Make() {
  if (!m_loader.Fill()) return CommandOutput::Refuse(m_loader.Error());
  int transferType = -1;
  VReportMessageParams report;
  ISessionConfig* made = CreateSessionConfig(m_text.c_str(), transferType, report);
  auto* session = dynamic_cast<SessionConfig*>(made);
  if (!session) {
    if (made) made->Release();
    return ReportOutput::Refuse(report, m_json);
  }
  nlohmann::ordered_json const described = Describe(*session, transferType);
  if (m_savePath) {
    size_t const slash = m_savePath->rfind('\\');
    std::string const folder = slash == std::string::npos ? "" : m_savePath->substr(0, slash);
    std::string const name = m_savePath->substr(slash + 1);
    // One unit of work for the check and the write: no other process can take the name between them.
    VProfileStore unit;
    bool const free = !name.empty() && !SessionDatabase::Exists(*m_savePath) &&
                      (folder.empty() || (SessionDatabase::Exists(folder) && SessionDatabase(0).IsFolder(folder)));
    if (!free) {
      made->Release();
      return CommandOutput::Refuse("\"" + *m_savePath + "\" exists already or its folder does not");
    }
    session->SetSessionName(name);
    if (!SessionDatabase(0).InsertSession(folder, name, made, "", true)) {
      made->Release();
      return CommandOutput::Refuse("\"" + *m_savePath + "\" was not stored: its name has more than " +
                                   std::to_string(SessionDatabase::kMaxNameBytes) +
                                   " bytes, or the store did not take it");
    }
    if (!unit.Close()) {
      made->Release();
      return CommandOutput::Refuse("\"" + *m_savePath + "\" was not stored: the store did not take it");
    }
  }
  made->Release();
  if (m_json) return JsonOutput::Print(described);
  return CommandOutput::Print(JsonOutput::FieldLines(described));
}
