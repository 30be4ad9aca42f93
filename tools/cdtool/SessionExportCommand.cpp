#include "SessionExportCommand.h"

#include <nlohmann/json.hpp>

#include "CommandOutput.h"
#include "JsonOutput.h"
#include "exchange/CsvSessionWriter.h"
#include "exchange/SessionExporter.h"
#include "exchange/SshConfigWriter.h"
#include "platform/files/AtomicFileWriter.h"

namespace {

bool IsFormat(std::string const& word) { return word == "ssh-config" || word == "csv" || word == "json"; }

nlohmann::ordered_json Json(std::vector<ExportedSession> const& sessions) {
  nlohmann::ordered_json rows = nlohmann::ordered_json::array();
  for (ExportedSession const& session : sessions)
    rows.push_back({{"path", session.path},
                    {"terminalProtocol", session.terminalProtocol},
                    {"transferProtocol", session.transferProtocol},
                    {"host", session.host},
                    {"port", session.port},
                    {"user", session.user},
                    {"description", session.description}});
  return rows;
}

}  // namespace

SessionExportCommand::SessionExportCommand(CLI::App& session, ProtocolTableLoader& loader) : m_loader(loader) {
  CLI::App* exported = AddVerb(session, "export", "Write the sessions below a folder for other tools",
                               [this] { return Export(); });
  exported->add_option("FORMAT FOLDER", m_words, "ssh-config (or csv, json), then the folder; the top by default")
      ->expected(0, 3);
  exported->add_option("--format", m_format, "ssh-config, csv or json")->check(CLI::IsMember({"ssh-config", "csv", "json"}));
  exported->add_option("-o,--output", m_output, "Write into this file (replaced atomically) instead of stdout");
  exported->footer(
      "ssh-config: a Host block for every SSH2 and SFTP session, its alias the session's path with '/' between "
      "folders (blanks and pattern characters made '_'), the path in a comment, its jump-host firewall as "
      "ProxyJump. csv: path, terminal protocol, transfer protocol, host, port, user, description (RFC 4180). "
      "json: an array of objects with those fields. Passwords are never written.");
}

bool SessionExportCommand::Resolve(std::string& format, std::string& folder, std::string& error) const {
  std::vector<std::string> words = m_words;
  format = m_format;
  if (format.empty() && !words.empty() && IsFormat(words.front())) {
    format = words.front();
    words.erase(words.begin());
  }
  if (format.empty()) {
    error = "say the format: ssh-config, or --format csv|json";
    return false;
  }
  if (words.size() > 1) {
    error = "one folder at most, not \"" + words[0] + "\" and \"" + words[1] + "\"";
    return false;
  }
  folder = words.empty() ? "" : words.front();
  return true;
}

std::string SessionExportCommand::Render(std::string const& format, std::vector<ExportedSession> const& sessions) {
  if (format == "ssh-config") return SshConfigWriter::Write(sessions);
  if (format == "csv") return CsvSessionWriter::Write(sessions);
  return JsonOutput::Dump(Json(sessions), 2) + "\n";
}

int SessionExportCommand::Export() {
  std::string format, folder, error;
  if (!Resolve(format, folder, error)) return CommandOutput::Usage(error);
  if (!m_loader.Fill()) return CommandOutput::Refuse(m_loader.Error());
  std::vector<ExportedSession> sessions;
  if (!SessionExporter::Collect(folder, sessions, error)) return CommandOutput::Refuse(error);
  std::string const text = Render(format, sessions);
  if (m_output.empty()) return CommandOutput::Print(text);
  AtomicFileWriter writer;
  if (writer.Write(m_output, text) == AtomicFileWriter::Result::Failed) return CommandOutput::Refuse(writer.Report());
  return 0;
}
