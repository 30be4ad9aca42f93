#include "exchange/PuttySessionReader.h"

#include <filesystem>

#include "VHexDigit.h"
#include "exchange/PortText.h"
#include "exchange/SessionFiles.h"
#include "exchange/SourceFile.h"

namespace {

// The port option of each protocol this reader makes sessions of.
char const* PortOption(std::string const& protocol) {
  if (protocol == "SSH2") return "SSH2 Port";
  if (protocol == "Telnet") return "Telnet Port";
  return "RLogin Port";
}

}  // namespace

std::string PuttySessionReader::DecodeName(std::string const& encoded) {
  std::string name;
  for (size_t i = 0; i < encoded.size(); ++i) {
    int const high = i + 2 < encoded.size() && encoded[i] == '%' ? VHexDigit(encoded[i + 1]) : -1;
    int const low = high >= 0 ? VHexDigit(encoded[i + 2]) : -1;
    if (low >= 0) {
      name += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      name += encoded[i];
    }
  }
  return name;
}

ImportBatch PuttySessionReader::Read(std::string const& path) { return SessionFiles::ReadEach(path, "", &ReadOne); }

void PuttySessionReader::ReadOne(std::string const& file, ImportBatch& batch) {
  std::string const name = DecodeName(std::filesystem::path(file).filename().string());
  if (name == "Default Settings") return batch.Skip(name, file, "the client's default settings, not a host");
  std::vector<std::string> lines;
  std::string error;
  if (!SourceFile::ReadLines(file, lines, error)) return batch.Refuse(name, file, error);
  KeyValueLines const values(lines, "");
  ImportedSession session;
  session.path = ImportedSession::SplitPath(name);
  session.source = file;
  std::string const protocol = values.Has("Protocol") ? values.Get("Protocol") : "ssh";
  if (!TakeProtocol(protocol, session))
    return batch.Skip(name, file, "the protocol \"" + protocol + "\" has no session kind here");
  if (session.terminalProtocol == "Serial") {
    if (values.Has("SerialLine")) session.options.push_back({"Serial", "Serial Port", values.Get("SerialLine")});
    if (values.Has("SerialSpeed")) session.options.push_back({"Serial", "Serial Baud Rate", values.Get("SerialSpeed")});
  } else {
    TakeNetwork(values, session);
  }
  if (std::string const type = values.Get("TerminalType"); !type.empty()) {
    session.options.push_back({"", "Use Terminal Type", "1"});
    session.options.push_back({"", "Terminal Type", type});
  }
  batch.sessions.push_back(std::move(session));
}

bool PuttySessionReader::TakeProtocol(std::string const& protocol, ImportedSession& session) {
  if (protocol == "ssh") {
    session.terminalProtocol = "SSH2";
    session.transferProtocol = "SFTP";
    return true;
  }
  static std::pair<char const*, char const*> const kOthers[] = {
      {"telnet", "Telnet"}, {"rlogin", "RLogin"}, {"serial", "Serial"}};
  for (auto const& [theirs, ours] : kOthers) {
    if (protocol != theirs) continue;
    session.terminalProtocol = ours;
    session.transferProtocol = "None";
    return true;
  }
  return false;
}

void PuttySessionReader::TakeNetwork(KeyValueLines const& values, ImportedSession& session) {
  std::string host = values.Get("HostName");
  std::string user = values.Get("UserName");
  if (size_t const at = host.rfind('@'); at != std::string::npos) {
    if (user.empty()) user = host.substr(0, at);
    host = host.substr(at + 1);
  }
  session.host = host;
  session.user = user;
  bool const ssh = session.terminalProtocol == "SSH2";
  int unused = 0;
  if (std::string const port = values.Get("PortNumber"); ParsePortText(port, unused)) {
    session.options.push_back({session.terminalProtocol, PortOption(session.terminalProtocol), port});
    if (ssh) session.options.push_back({"SFTP", "SFTP Port", port});
  } else if (values.Has("PortNumber")) {
    session.note = "PortNumber \"" + port + "\" is not a port; the protocol's own is kept";
  }
  if (!ssh) return;
  if (std::string const key = values.Get("PublicKeyFile"); !key.empty())
    session.options.push_back({"SSH2", "SSH2 Identity Filename", key});
  if (values.Has("Compression"))
    session.options.push_back({"SSH2", "SSH2 Compression", values.Get("Compression") == "1" ? "true" : "false"});
}
