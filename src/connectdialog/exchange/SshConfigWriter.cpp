#include "exchange/SshConfigWriter.h"

#include <set>

namespace {

// ssh's own reading of a value: quotes keep blanks, a backslash keeps a quote or a backslash.
std::string Quoted(std::string const& value) {
  if (!value.empty() && value.find_first_of(" \t\"'\\#") == std::string::npos) return value;
  std::string quoted = "\"";
  for (char c : value) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

// Comments end at the line's end: a line feed in a path must not start a line of its own.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  return text;
}

}  // namespace

std::string SshConfigWriter::Alias(std::string const& path) {
  std::string alias;
  for (char c : path) {
    if (c == '\\') {
      alias += '/';
    } else if (static_cast<unsigned char>(c) <= ' ' || std::string_view("*?!,\"'#=").find(c) != std::string_view::npos) {
      alias += '_';
    } else {
      alias += c;
    }
  }
  return alias;
}

std::string SshConfigWriter::Write(std::vector<ExportedSession> const& sessions) {
  std::string text = "# Sessions exported by cdtool. Passwords are not exported.\n";
  std::set<std::string> taken;
  for (ExportedSession const& session : sessions) {
    if (!session.IsSsh()) continue;
    std::string alias = Alias(session.path);
    for (int number = 2; !taken.insert(alias).second; ++number) alias = Alias(session.path) + "~" + std::to_string(number);
    WriteBlock(session, alias, text);
  }
  return text;
}

void SshConfigWriter::WriteBlock(ExportedSession const& session, std::string const& alias, std::string& text) {
  text += "\n# Session: " + OneLine(session.path) + "\nHost " + alias + "\n";
  if (!session.host.empty()) text += "  HostName " + Quoted(session.host) + "\n";
  if (session.port > 0) text += "  Port " + std::to_string(session.port) + "\n";
  if (!session.user.empty()) text += "  User " + Quoted(session.user) + "\n";
  if (!session.identityFile.empty()) text += "  IdentityFile " + Quoted(session.identityFile) + "\n";
  if (session.compression) text += "  Compression yes\n";
  if (!session.authenticationOrder.empty()) {
    std::string methods = session.authenticationOrder;
    if (size_t const at = ("," + methods + ",").find(",gssapi,"); at != std::string::npos)
      methods.replace(at, 6, "gssapi-with-mic");
    text += "  PreferredAuthentications " + methods + "\n";
  }
  if (!session.jump.empty()) text += "  ProxyJump " + Quoted(session.jump) + "\n";
}
