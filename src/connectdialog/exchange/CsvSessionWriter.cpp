#include "exchange/CsvSessionWriter.h"

std::string CsvSessionWriter::Field(std::string const& value) {
  if (value.find_first_of(",\"\r\n") == std::string::npos) return value;
  std::string quoted = "\"";
  for (char c : value) quoted += c == '"' ? "\"\"" : std::string(1, c);
  return quoted + "\"";
}

std::string CsvSessionWriter::Write(std::vector<ExportedSession> const& sessions) {
  std::string text = std::string(kHeader) + "\r\n";
  for (ExportedSession const& session : sessions) {
    std::string const port = session.port < 0 ? "" : std::to_string(session.port);
    for (std::string const* field : {&session.path, &session.terminalProtocol, &session.transferProtocol,
                                     &session.host, &port, &session.user}) {
      text += Field(*field) + ",";
    }
    text += Field(session.description) + "\r\n";
  }
  return text;
}
