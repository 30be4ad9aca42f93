#include "SessionCommand.h"

#include <nlohmann/json.hpp>

#include "CommandOutput.h"
#include "RegValueView.h"
#include "SessionOptionInput.h"
#include "SessionOptionList.h"
#include "VProfileKey.h"
#include "VProfileStore.h"
#include "library/SessionKeyPath.h"
#include "session/SessionConfig.h"

namespace {

std::string const kPathHelp = "The session's path: folder names and the session name joined by backslashes";

// The last path component, as the session database names a session.
CString NameOf(std::string const& path) {
  size_t const slash = path.rfind('\\');
  return CString(slash == std::string::npos ? path : path.substr(slash + 1));
}

nlohmann::ordered_json Derived(SessionConfig& session) {
  ConnectConfig* relevant = session.GetRelevantConnectConfig();
  return {{"name", session.GetSessionName().Str()},
          {"path", session.GetSessionPath().Str()},
          {"terminalProtocol", session.GetTerminalProtocol().Str()},
          {"transferProtocol", session.GetTransferProtocol().Str()},
          {"relevantProtocol", session.GetRelevantProtocol().Str()},
          {"host", relevant ? relevant->GetHostname().Str() : ""},
          {"port", relevant ? relevant->GetPort() : -1},
          {"user", relevant ? relevant->GetUsername().Str() : ""},
          {"firewall", session.GetFirewallName().Str()},
          {"commandLine", session.CommandLine().Str()},
          {"description", session.GetConnectDialogDescription().Str()},
          {"logFilename", session.GetExpandedLogFilename().Str()}};
}

std::string Plain(nlohmann::ordered_json const& value) {
  return value.is_string() ? value.get<std::string>() : RegValueView::Dump(value);
}

}  // namespace

SessionCommand::SessionCommand(CLI::App& app) {
  m_session = app.add_subcommand("session", "Show, change, list and arrange stored sessions");
  m_session->require_subcommand(1);
  m_loader.AddOption(*m_session);

  m_show = m_session->add_subcommand("show", "Print the session's derived values and every option");
  m_show->add_option("PATH", m_path, kPathHelp)->required();
  m_show->add_flag("--json", m_json, "Print one JSON document");
  m_show->footer("Plain: NAME: VALUE per derived value, a blank line, then NAME<tab>TYPE<tab>VALUE per option. "
                 "With --json: the derived values (name, path, terminalProtocol, transferProtocol, relevantProtocol, "
                 "host, port, user, firewall, commandLine, description, logFilename) and \"options\": [{\"name\", "
                 "\"type\", \"value\"}...].");

  m_set = m_session->add_subcommand("set", "Change options by their stored names");
  m_set->add_option("PATH", m_path, kPathHelp)->required();
  m_set->add_option("NAME=VALUE", m_assignments, "Options to change, by stored name")->required();
  m_set->footer("Types: flag (true, false, 1, 0, yes, no, on, off), number (-2147483648 to 4294967295 or 0x...), "
                "unsigned, text, encoded text (given plain, stored encoded), lines (separated by line feeds), record "
                "(hex bytes of the record's length), protocol (a name `cdtool protocols` lists). A wrong type or an "
                "unknown name refuses the whole command and writes nothing.");
}

int SessionCommand::Run() {
  if (!m_loader.Fill()) return CommandOutput::Refuse(m_loader.Error());
  return m_show->parsed() ? Show() : Set();
}

int SessionCommand::Show() {
  VProfileStore store(true, nullptr);
  CString const keyPath = SessionKeyPath::Of(m_path);
  if (m_path.empty() || !store.Root()->KeyExists(keyPath)) return CommandOutput::Refuse("no session at \"" + m_path + "\"");
  VProfileKey key(store.Root(), keyPath);
  SessionConfig session(NameOf(m_path), &key);
  session.SetSessionPath(m_path);
  nlohmann::ordered_json document = Derived(session);
  nlohmann::ordered_json options = nlohmann::ordered_json::array();
  SessionOptionList const list(session);
  for (SessionOption const& option : list.Options())
    options.push_back({{"name", option.name}, {"type", option.type}, {"value", SessionOptionList::Value(option)}});
  if (m_json) {
    document["options"] = options;
    return CommandOutput::Print(RegValueView::Dump(document) + '\n');
  }
  std::string text;
  for (auto const& [name, value] : document.items()) text += name + ": " + Plain(value) + '\n';
  text += '\n';
  for (auto const& option : options)
    text += option["name"].get<std::string>() + '\t' + option["type"].get<std::string>() + '\t' + Plain(option["value"]) +
            '\n';
  return CommandOutput::Print(text);
}

int SessionCommand::Set() {
  VProfileStore store;
  CString const keyPath = SessionKeyPath::Of(m_path);
  if (m_path.empty() || !store.Root()->KeyExists(keyPath)) return CommandOutput::Refuse("no session at \"" + m_path + "\"");
  VProfileKey key(store.Root(), keyPath);
  SessionConfig session(NameOf(m_path), &key);
  session.SetSessionPath(m_path);
  SessionOptionInput input(session);
  if (!input.Apply(m_assignments)) return CommandOutput::Refuse(input.Error());
  session.Save(&key, false);
  return 0;
}
