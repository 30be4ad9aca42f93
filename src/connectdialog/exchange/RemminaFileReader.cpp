#include "exchange/RemminaFileReader.h"

#include <filesystem>

#include "exchange/JumpHost.h"
#include "exchange/KeyValueLines.h"
#include "exchange/SessionFiles.h"
#include "exchange/SourceFile.h"

namespace {

std::vector<std::string> GroupFolders(std::string const& group) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= group.size()) {
    size_t const slash = std::min(group.find('/', start), group.size());
    if (slash > start) parts.push_back(group.substr(start, slash - start));
    start = slash + 1;
  }
  return parts;
}

}  // namespace

ImportBatch RemminaFileReader::Read(std::string const& path) {
  return SessionFiles::ReadEach(path, ".remmina", &ReadOne);
}

void RemminaFileReader::ReadOne(std::string const& file, ImportBatch& batch) {
  std::vector<std::string> lines;
  std::string error;
  if (!SourceFile::ReadLines(file, lines, error)) return batch.Refuse(file, file, error);
  KeyValueLines const values(lines, "remmina");
  std::string name = values.Get("name");
  if (name.empty()) name = std::filesystem::path(file).stem().string();
  std::string const protocol = values.Get("protocol");
  if (protocol != "SSH" && protocol != "SFTP")
    return batch.Skip(name, file, "the protocol \"" + protocol + "\" has no session kind here");
  // The server field is a host with an optional port: the same form as one jump hop.
  std::optional<JumpHost> const server = JumpHost::FirstHop(values.Get("server"));
  if (!server) return batch.Refuse(name, file, "the server \"" + values.Get("server") + "\" is not host[:port]");
  ImportedSession session;
  session.path = GroupFolders(values.Get("group"));
  session.path.push_back(name);
  session.source = file;
  session.terminalProtocol = "SSH2";
  session.transferProtocol = "SFTP";
  std::string const port = std::to_string(server->port);
  session.host = server->host;
  session.user = values.Get("username");
  session.options = {{"SSH2", "SSH2 Port", port}, {"SFTP", "SFTP Port", port}};
  if (std::string const key = values.Get("ssh_privatekey"); !key.empty())
    session.options.push_back({"SSH2", "SSH2 Identity Filename", key});
  batch.sessions.push_back(std::move(session));
}
