#include "SessionTreeCommand.h"

#include <unistd.h>

#include <iostream>

#include "CommandOutput.h"
#include "ConsoleUserInterface.h"
#include "JsonOutput.h"
#include "ProductProtocol.h"
#include "SessionDefaultDelta.h"
#include "SessionTreeView.h"
#include "VReportMessageParams.h"
#include "database/SessionDatabase.h"
#include "database/SessionName.h"
#include "library/LibraryState.h"
#include "platform/registry/NameFolding.h"
#include "platform/types/UserInterfaceCodes.h"
#include "resources/LibraryMessageModule.h"
#include "resources/MessageCodes.h"
#include "session/ConnectConfigPtr.h"
#include "session/FirewallStore.h"
#include "session/SessionConfig.h"

namespace {

// What a write the store refused (another program may hold its lock) leaves behind.
constexpr char const* kNotStored = ": the store did not take the change, so nothing changed";
// Sessions between two progress lines of a long walk.
constexpr int kProgressEvery = 250;

std::string Parent(std::string const& path) {
  size_t const slash = path.rfind('\\');
  return slash == std::string::npos ? "" : path.substr(0, slash);
}

std::string LastName(std::string const& path) { return path.substr(path.rfind('\\') + 1); }

std::string Join(std::string const& folder, std::string const& name) {
  return folder.empty() ? name : folder + "\\" + name;
}

}  // namespace

SessionTreeCommand::SessionTreeCommand(CLI::App& session, ProtocolTableLoader& loader) : m_loader(loader) {
  CLI::App* ls =
      AddVerb(session, "ls", "List a folder: its folders (ending in \\), then its sessions", [this] { return List(); });
  ls->add_option("FOLDER", m_path, "The folder (default: the root)");
  ls->add_flag("--tree", m_tree, "List every folder below as well, indented");
  ls->add_flag("--alpha", m_alpha, "Store order (alphabetical) instead of the user-arranged order");
  ls->add_flag("--json", m_json, "Print {\"name\",\"path\",\"folders\",\"sessions\"}; with --tree folders nest");

  CLI::App* mkdir = AddVerb(session, "mkdir", "Create a folder", [this] { return MakeFolder(); });
  mkdir->add_option("PATH", m_path, "The new folder's path")->required();

  CLI::App* create = AddVerb(session, "new", "Create a session with default values", [this] { return NewSession(); });
  create->add_option("PATH", m_path, "The new session's path")->required();
  create->add_option("--protocol", m_protocol, "The protocol, one of the product's table (`cdtool protocols`)");
  create->add_option("--host", m_host, "The host name or address");
  create->add_option("--port", m_port, "The port")->check(CLI::Range(0, 65535));
  create->add_option("--user", m_user, "The user name");
  create->add_option("--firewall", m_firewall, "The firewall to connect through (`cdtool firewall ls` lists them)");

  CLI::App* cp = AddVerb(session, "cp", "Copy a session or a folder with everything in it into a folder",
                         [this] { return CopyEntry(); });
  cp->add_option("SRC", m_path, "What to copy")->required();
  cp->add_option("FOLDER", m_target, "The target folder (\"\" for the root)")->required();
  cp->add_flag("--unique", m_unique, "Name the copy \"name (1)\", \"name (2)\" ... when the name is taken");

  CLI::App* mv =
      AddVerb(session, "mv", "Move a session or a folder into another folder", [this] { return MoveEntry(); });
  mv->add_option("SRC", m_path, "What to move")->required();
  mv->add_option("FOLDER", m_target, "The target folder (\"\" for the root)")->required();

  CLI::App* rename =
      AddVerb(session, "rename", "Rename a session or a folder in place", [this] { return RenameEntry(); });
  rename->add_option("PATH", m_path, "What to rename")->required();
  rename->add_option("NEWNAME", m_name, "The new name (one name, not a path)")->required();

  CLI::App* reorder = AddVerb(session, "reorder", "Move an entry next to a sibling in the user-arranged order",
                              [this] { return ReorderEntry(); });
  reorder->add_option("PATH", m_path, "What to move")->required();
  reorder->add_option("TARGET", m_target, "The sibling's name")->required();
  auto* before = reorder->add_flag("--before", m_before, "Put it directly before TARGET");
  auto* after = reorder->add_flag("--after", m_after, "Put it directly after TARGET");
  before->excludes(after);

  CLI::App* rm =
      AddVerb(session, "rm", "Remove a session, or a folder with everything in it", [this] { return RemoveEntry(); });
  rm->add_option("PATH", m_path, "What to remove")->required();
  rm->add_flag("-y,--yes", m_yes, "Do not ask");

  CLI::App* applyDefault =
      AddVerb(session, "apply-default", "Change options of the default session and apply the changes to every session",
              [this] { return ApplyDefault(); });
  applyDefault->add_option("ASSIGNMENTS", m_assignments, "NAME=VALUE by stored option name, such as \"Title Bar=x\"")
      ->required();
  applyDefault->add_flag("-y,--yes", m_yes, "Do not ask");

  CLI::App* setAll = AddVerb(session, "set-all", "Write one flag into every session", [this] { return SetAll(); });
  setAll->add_option("NAME", m_name, "The stored value name")->required();
  setAll->add_option("VALUE", m_flag, "0 or 1")->required()->check(CLI::IsMember({0, 1}));
}

int SessionTreeCommand::Run() {
  if (!m_loader.Fill()) return CommandOutput::Refuse(m_loader.Error());
  return Command::Run();
}

std::optional<std::string> SessionTreeCommand::CheckExisting(std::string const& path) {
  if (path.empty() || !SessionDatabase::Exists(path)) return "no session or folder \"" + path + "\"";
  return std::nullopt;
}

std::optional<std::string> SessionTreeCommand::CheckName(std::string const& name) {
  std::string problem = SessionName::Problem(name);
  return problem.empty() ? std::nullopt : std::optional(std::move(problem));
}

std::optional<std::string> SessionTreeCommand::CheckNewName(std::string const& folder, std::string const& name) {
  if (auto refusal = CheckName(name)) return refusal;
  if (!folder.empty() && (!SessionDatabase::Exists(folder) || !SessionDatabase(0).IsFolder(folder)))
    return "no folder \"" + folder + "\"";
  if (SessionDatabase::Exists(folder, name)) return "\"" + name + "\" already exists in \"" + folder + "\"";
  return std::nullopt;
}

// Names compare as the store compares them: a folder below "lab" lies inside "Lab".
bool SessionTreeCommand::IsWithin(std::string const& folder, std::string const& path) {
  std::string const inside = FoldName(folder);
  std::string const outer = FoldName(path);
  return inside == outer || inside.starts_with(outer + "\\");
}

bool SessionTreeCommand::Confirm(std::string const& question) {
  ConsoleUserInterface console(std::cin, std::cerr, m_yes);
  SetUserInterface(&console);
  bool const yes = GetUserInterface().MessageBox(question, "", MB_YESNO | MB_ICONQUESTION) == IDYES;
  SetUserInterface(nullptr);
  return yes;
}

int SessionTreeCommand::List() {
  if (!m_path.empty() && (CheckExisting(m_path) || !SessionDatabase(0).IsFolder(m_path)))
    return CommandOutput::Refuse("no folder \"" + m_path + "\"");
  SessionDatabase db(m_alpha);
  if (m_json) return JsonOutput::Print(SessionTreeView::Json(db, m_path, m_tree), 2);
  return CommandOutput::Print(SessionTreeView::Text(db, m_path, m_tree));
}

int SessionTreeCommand::MakeFolder() {
  if (auto refusal = CheckNewName(Parent(m_path), LastName(m_path))) return CommandOutput::Refuse(*refusal);
  if (!SessionDatabase(0).InsertFolder(Parent(m_path), LastName(m_path), "", true))
    return CommandOutput::Refuse("\"" + m_path + "\" was not made" + kNotStored);
  return 0;
}

int SessionTreeCommand::NewSession() {
  if (auto refusal = CheckNewName(Parent(m_path), LastName(m_path))) return CommandOutput::Refuse(*refusal);
  ISessionConfig* created = CreateSessionConfig(LastName(m_path).c_str(), nullptr);
  auto* session = dynamic_cast<SessionConfig*>(created);
  if (!session) return CommandOutput::Refuse("out of memory");
  if (auto refusal = SetConnection(*session)) {
    created->Release();
    return CommandOutput::Refuse(*refusal);
  }
  bool const stored = SessionDatabase(0).InsertSession(Parent(m_path), LastName(m_path), created, "", true);
  created->Release();
  if (!stored) return CommandOutput::Refuse("\"" + m_path + "\" was not made" + kNotStored);
  return 0;
}

// Only a protocol of the product's table has a connection record to keep what was typed.
std::optional<std::string> SessionTreeCommand::SetConnection(SessionConfig& session) const {
  if (m_protocol) {
    // The product's own side: the terminal side for the terminal clients.
    bool const terminal = std::string(GetApplicationName().c_str()).find("Korvo") != std::string::npos;
    std::string const protocol = ProductProtocol::TableName(terminal, *m_protocol);
    if (protocol.empty())
      return "\"" + *m_protocol + "\" is not a protocol of this product; `cdtool protocols` lists them";
    session.SetRelevantProtocol(protocol.c_str());
  }
  ConnectConfig* config = session.GetRelevantConnectConfig();
  std::string const protocol = session.GetRelevantProtocol().Str();
  if ((!config || protocol == "None") && (m_host || m_port || m_user || m_firewall))
    return protocol.empty() ? std::string("this product has no protocol to keep --host, --port, --user or --firewall")
                            : "the protocol \"" + protocol + "\" keeps no --host, --port, --user or --firewall";
  if (m_firewall && *m_firewall != "None" && !FirewallStore::FirewallExists(m_firewall->c_str()))
    return "no firewall \"" + *m_firewall + "\"; `cdtool firewall ls` lists them";
  if (!config) return std::nullopt;
  if (m_host) config->SetHostname(m_host->c_str());
  if (m_port) config->SetPort(*m_port);
  if (m_user) config->SetUsername(m_user->c_str());
  if (m_firewall) config->SetFirewallName(m_firewall->c_str());
  return std::nullopt;
}

int SessionTreeCommand::CopyEntry() {
  if (auto refusal = CheckExisting(m_path)) return CommandOutput::Refuse(*refusal);
  if (!m_target.empty() && (!SessionDatabase::Exists(m_target) || !SessionDatabase(0).IsFolder(m_target)))
    return CommandOutput::Refuse("no folder \"" + m_target + "\"");
  SessionDatabase db(0);
  if (db.IsFolder(m_path) && IsWithin(m_target, m_path))
    return CommandOutput::Refuse("a folder cannot be copied into itself or into a folder inside it");
  if (!m_unique && SessionDatabase::Exists(m_target, LastName(m_path)))
    return CommandOutput::Refuse(LastName(m_path) + " already exists in the target folder");
  std::string const name = SessionDatabase::CopyName(m_target, LastName(m_path), m_unique).Str();
  if (!SessionDatabase::NameFits(name))
    return CommandOutput::Refuse("the copy cannot be named: " + SessionName::TooLong(name));
  CString const copied = db.Copy(m_path, m_target, m_unique, "", true);
  if (copied.IsEmpty()) return CommandOutput::Refuse("\"" + m_path + "\" was not copied" + kNotStored);
  return CommandOutput::Print(copied.Str() + "\n");
}

int SessionTreeCommand::MoveEntry() {
  if (auto refusal = CheckExisting(m_path)) return CommandOutput::Refuse(*refusal);
  if (!m_target.empty() && (!SessionDatabase::Exists(m_target) || !SessionDatabase(0).IsFolder(m_target)))
    return CommandOutput::Refuse("no folder \"" + m_target + "\"");
  SessionDatabase db(0);
  if (db.IsFolder(m_path) && IsWithin(m_target, m_path))
    return CommandOutput::Refuse("a folder cannot be moved into itself or into a folder inside it");
  if (SessionDatabase::Exists(m_target, LastName(m_path)))
    return CommandOutput::Refuse(LastName(m_path) + " already exists in the target folder");
  if (!db.Move(m_path, m_target, "", true))
    return CommandOutput::Refuse("\"" + m_path + "\" was not moved" + kNotStored);
  return 0;
}

int SessionTreeCommand::RenameEntry() {
  if (auto refusal = CheckExisting(m_path)) return CommandOutput::Refuse(*refusal);
  if (auto refusal = CheckName(m_name)) return CommandOutput::Refuse(*refusal);
  std::string const parent = Parent(m_path);
  if (m_name == LastName(m_path)) return 0;
  // A change of letter case alone renames the entry itself, not the sibling of that name.
  bool const caseOnly = FoldName(m_name) == FoldName(LastName(m_path));
  if (!caseOnly && SessionDatabase::Exists(parent, m_name))
    return CommandOutput::Refuse("\"" + m_name + "\" already exists in \"" + parent + "\"");
  if (!SessionDatabase(0).Rename(m_path, m_name, LastName(m_path)))
    return CommandOutput::Refuse("\"" + m_path + "\" was not renamed" + kNotStored);
  return 0;
}

int SessionTreeCommand::ReorderEntry() {
  if (auto refusal = CheckExisting(m_path)) return CommandOutput::Refuse(*refusal);
  std::string const sibling = Join(Parent(m_path), LastName(m_target));
  SessionDatabase db(0);
  if (!SessionDatabase::Exists(sibling) || db.IsFolder(sibling) != db.IsFolder(m_path))
    return CommandOutput::Refuse("\"" + m_target + "\" is not a " + (db.IsFolder(m_path) ? "folder" : "session") +
                                 " beside \"" + m_path + "\"");
  db.Reorder(m_path, LastName(m_target), !m_before);
  return 0;
}

int SessionTreeCommand::RemoveEntry() {
  if (auto refusal = CheckExisting(m_path)) return CommandOutput::Refuse(*refusal);
  SessionDatabase db(0);
  std::string const what = db.IsFolder(m_path) ? "the folder \"" + m_path + "\" and everything in it" : "\"" + m_path + "\"";
  if (!Confirm("Remove " + what + "?\n")) return CommandOutput::Refuse("nothing removed");
  if (!db.Remove(m_path)) return CommandOutput::Refuse("\"" + m_path + "\" could not be removed");
  return 0;
}

int SessionTreeCommand::ApplyDefault() {
  SessionDefaultDelta builder;
  ISessionConfig* delta = builder.Build(m_assignments);
  if (!delta) return CommandOutput::Refuse(builder.Error());
  VReportMessageParams question(message::kApplyToAllQuestion, &LibraryMessageModule::Get());
  SessionDatabase db(0);
  if (!Confirm(question.GetText())) {
    delta->Release();
    return CommandOutput::Refuse("nothing changed");
  }
  // The walk changes the default session too, like every other.
  bool const showProgress = isatty(STDERR_FILENO) != 0;
  GlobalChangeTally const tally = db.EnumAndApplyDelta(delta, [showProgress](GlobalChangeTally const& sofar) {
    if (showProgress && sofar.visited % kProgressEvery == 0)
      std::cerr << "\r" << sofar.visited << " sessions visited" << std::flush;
  });
  if (showProgress && tally.visited >= kProgressEvery) std::cerr << '\n';
  delta->Release();
  int const result = CommandOutput::Print("updated " + std::to_string(tally.updated) + " of " +
                                          std::to_string(tally.visited) + " sessions\n");
  if (tally.updated != tally.visited) {
    VReportMessageParams readOnly(message::kReadOnlySessionsNotUpdated, &LibraryMessageModule::Get());
    readOnly.AddNumber(static_cast<unsigned long>(tally.visited));
    readOnly.AddNumber(static_cast<unsigned long>(tally.visited - tally.updated));
    CommandOutput::Note(readOnly.GetTextSingleLine());
  }
  return result;
}

int SessionTreeCommand::SetAll() {
  SessionDatabase(0).EnumAndSetAllBoolValues(m_name, m_flag == 1);
  return 0;
}
