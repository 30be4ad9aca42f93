#include "SessionCommand.h"

#include <nlohmann/json.hpp>

#include "CommandOutput.h"
#include "JsonOutput.h"
#include "OptionInput.h"
#include "OptionView.h"
#include "VOptionList.h"
#include "VProfileKey.h"
#include "VProfileStore.h"
#include "clients/ClientCommandBuilder.h"
#include "clients/ClientLauncher.h"
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

}  // namespace

SessionCommand::SessionCommand(CLI::App& app) {
  CLI::App* session = app.add_subcommand("session", "Show, change, list and arrange stored sessions");
  session->require_subcommand(1);
  m_loader.AddOption(*session);

  CLI::App* show =
      AddVerb(*session, "show", "Print the session's derived values and every option", [this] { return Show(); });
  show->add_option("PATH", m_path, kPathHelp)->required();
  show->add_flag("--json", m_json, "Print one JSON document");
  show->footer(
      "Plain: NAME: VALUE per derived value, a blank line, then NAME<tab>TYPE<tab>VALUE per option. "
      "With --json: the derived values (name, path, terminalProtocol, transferProtocol, relevantProtocol, "
      "host, port, user, firewall, commandLine, description, logFilename) and \"options\": [{\"name\", "
      "\"type\", \"value\"}...].");

  CLI::App* set = AddVerb(*session, "set", "Change options by their stored names", [this] { return Set(); });
  set->add_option("PATH", m_path, kPathHelp)->required();
  set->add_option("NAME=VALUE", m_assignments, "Options to change, by stored name")->required();
  set->footer(std::string(OptionInput::kFormsHelp) +
              " A wrong type or an unknown name refuses the whole command and writes nothing.");

  CLI::App* command = AddVerb(*session, "command", "Print the system client's command that opens the session",
                              [this] { return ClientCommandOf(); });
  command->add_option("PATH", m_path, kPathHelp)->required();
  command->add_flag("--transfer", m_transfer, "The file-transfer side instead of the terminal side");
  command->add_flag("--json", m_json, "Print {\"program\",\"arguments\":[...],\"package\"}");
  CLI::App* open = AddVerb(*session, "open", "Open the session: its client in a terminal emulator",
                           [this] { return Open(); });
  open->add_option("PATH", m_path, kPathHelp)->required();
  open->add_flag("--transfer", m_transfer, "The file-transfer side instead of the terminal side");
  open->footer("Runs what `session command` prints inside x-terminal-emulator (else $TERMINAL) and returns at once. "
               "Exit 1, naming the Debian package to install, when the client or a terminal emulator is missing.");
  command->footer(
      "The program and its arguments exactly as a host runs them (never through a shell), shown with shell quoting; "
      "the Debian package that brings the program. Passwords are never part of it. Exit 1 when no client can open "
      "the side (no protocol, no host, a protocol or firewall kind the system's clients lack).");
}

int SessionCommand::Run() {
  if (!m_loader.Fill()) return CommandOutput::Refuse(m_loader.Error());
  return Command::Run();
}

int SessionCommand::Show() {
  VProfileStore store(true, nullptr);
  CString const keyPath = SessionKeyPath::Of(m_path);
  if (m_path.empty() || !store.Root()->KeyExists(keyPath)) return CommandOutput::Refuse("no session at \"" + m_path + "\"");
  VProfileKey key(store.Root(), keyPath);
  SessionConfig session(NameOf(m_path), &key);
  session.SetSessionPath(m_path);
  nlohmann::ordered_json document = Derived(session);
  VOptionList const list(session);
  if (m_json) {
    document["options"] = nlohmann::ordered_json::array();
    for (VOption const& option : list.Options()) document["options"].push_back(OptionView::Json(option));
    return JsonOutput::Print(document);
  }
  std::string text = JsonOutput::FieldLines(document) + '\n';
  for (VOption const& option : list.Options()) text += OptionView::Line(option);
  return CommandOutput::Print(text);
}

bool SessionCommand::Load(VProfileStore& store, std::unique_ptr<SessionConfig>& session) {
  CString const keyPath = SessionKeyPath::Of(m_path);
  if (m_path.empty() || !store.Root()->KeyExists(keyPath)) {
    CommandOutput::Refuse("no session at \"" + m_path + "\"");
    return false;
  }
  VProfileKey key(store.Root(), keyPath);
  session = std::make_unique<SessionConfig>(NameOf(m_path), &key);
  return true;
}

int SessionCommand::Open() {
  VProfileStore store(true, nullptr);
  std::unique_ptr<SessionConfig> session;
  if (!Load(store, session)) return 1;
  std::string const failure = ClientLauncher().Launch(ClientCommandBuilder().For(*session, !m_transfer));
  return failure.empty() ? 0 : CommandOutput::Refuse(failure);
}

int SessionCommand::ClientCommandOf() {
  VProfileStore store(true, nullptr);
  std::unique_ptr<SessionConfig> session;
  if (!Load(store, session)) return 1;
  ClientCommand const command = ClientCommandBuilder().For(*session, !m_transfer);
  if (!command.error.empty()) return CommandOutput::Refuse(command.error);
  if (!m_json) return CommandOutput::Print(command.Display() + "\n");
  return JsonOutput::Print({{"program", command.program}, {"arguments", command.arguments}, {"package", command.package}});
}

int SessionCommand::Set() {
  VProfileStore store;
  CString const keyPath = SessionKeyPath::Of(m_path);
  if (m_path.empty() || !store.Root()->KeyExists(keyPath)) return CommandOutput::Refuse("no session at \"" + m_path + "\"");
  VProfileKey key(store.Root(), keyPath);
  SessionConfig session(NameOf(m_path), &key);
  session.SetSessionPath(m_path);
  OptionInput input(session);
  std::vector<OptionInput::Assignment> assignments;
  if (!input.Split(m_assignments, assignments) || !input.Apply(assignments))
    return CommandOutput::Refuse(input.Error());
  session.Save(&key, false);
  return 0;
}
