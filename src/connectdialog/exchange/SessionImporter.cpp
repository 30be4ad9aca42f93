#include "exchange/SessionImporter.h"

#include <algorithm>
#include <memory>

#include "VOptionList.h"
#include "VProfileStore.h"
#include "database/SessionDatabase.h"
#include "database/SessionName.h"
#include "platform/registry/NameFolding.h"
#include "exchange/JumpHost.h"
#include "session/FirewallConfig.h"
#include "session/FirewallStore.h"
#include "session/FirewallType.h"
#include "session/SessionConfig.h"

namespace {

using Kind = ImportOutcome::Kind;

bool SetOption(VOptionList const& list, std::string const& name, std::string const& value, std::string& refusal) {
  VOption const* option = list.Find(name);
  if (!option) {
    refusal = "no option named \"" + name + "\" (is its protocol's plug-in installed?)";
    return false;
  }
  VString error;
  if (option->FromText(value, error)) return true;
  refusal = name + ": " + error.Str();
  return false;
}

// Chooses each side's protocol where the product has it; false when neither side takes one
// that connects ("None" only keeps a side from pointing at the host).
bool ChooseProtocols(SessionConfig& session, ImportedSession const& imported, std::vector<std::string>& chosen,
                     std::string& refusal) {
  std::string unused;
  for (auto const& [side, protocol] : {std::pair{"Protocol Name", imported.terminalProtocol},
                                       std::pair{"Transfer Protocol Name", imported.transferProtocol}}) {
    if (protocol.empty()) continue;
    // A protocol choice changes the list: it is made afresh for each.
    if (SetOption(VOptionList(session), side, protocol, unused) && protocol != "None") chosen.push_back(protocol);
  }
  if (!chosen.empty()) return true;
  std::string wanted;
  for (std::string const& protocol : {imported.terminalProtocol, imported.transferProtocol})
    if (!protocol.empty() && protocol != "None") wanted += (wanted.empty() ? "" : " or ") + protocol;
  refusal = "this product has no plug-in for " + wanted;
  return false;
}

// The side that connects, through which the common settings are set; null with `refusal` set.
ConnectConfig* Configure(SessionConfig& session, ImportedSession const& imported, std::string& refusal) {
  std::vector<std::string> chosen;
  if (!ChooseProtocols(session, imported, chosen, refusal)) return nullptr;
  VOptionList const list(session);
  for (ImportedSession::Option const& option : imported.options) {
    bool const applies = option.protocol.empty() || std::ranges::find(chosen, option.protocol) != chosen.end();
    if (applies && !SetOption(list, option.name, option.value, refusal)) return nullptr;
  }
  // Host and user live in the common settings that both sides share: set through a side that connects.
  bool const terminal = std::ranges::find(chosen, imported.terminalProtocol) != chosen.end();
  ConnectConfig* side = terminal ? session.GetTermConnectConfig() : session.GetTransferConnectConfig();
  if (!side) {
    refusal = "the session has no " + (terminal ? imported.terminalProtocol : imported.transferProtocol) + " record";
    return nullptr;
  }
  side->SetHostname(imported.host.c_str());
  if (!imported.user.empty()) side->SetUsername(imported.user.c_str());
  return side;
}

ImportOutcome Refused(ImportOutcome outcome, std::string reason) {
  outcome.reason = std::move(reason);
  return outcome;
}

// Returns "" for the callers that answer with a name, after noting why there is none.
std::string NoName(std::string& why, std::string reason) {
  why = std::move(reason);
  return {};
}

}  // namespace

int SessionImporter::Summary::Count(Kind kind) const {
  return static_cast<int>(std::ranges::count(outcomes, kind, &ImportOutcome::kind));
}

SessionImporter::Summary SessionImporter::Import(ImportBatch const& batch) {
  Summary summary;
  summary.outcomes = batch.outcomes;
  m_firewallOfHops.clear();
  m_folders.clear();
  VProfileStore unit;
  SessionDatabase database(0);
  if (!m_folder.empty() && (!SessionDatabase::Exists(m_folder) || !database.IsFolder(m_folder))) {
    summary.error = "no folder \"" + m_folder + "\"";
    unit.Close(false);
    return summary;
  }
  if (!unit.CanCommit()) return summary;
  if (!m_folder.empty()) m_folders.insert(FoldName(m_folder));
  // Every new session starts as a copy of the default session, read once.
  m_template.reset(database.Lookup(SessionDatabase::kDefaultName));
  if (!m_template) {
    summary.error = "the default session cannot be read";
    unit.Close(false);
    return summary;
  }
  for (ImportedSession const& session : batch.sessions) summary.outcomes.push_back(ImportOne(database, session));
  m_template.reset();
  bool const clean = unit.Status() == 0;
  summary.stored = unit.Close(!m_dryRun) || (m_dryRun && clean);
  return summary;
}

ImportOutcome SessionImporter::ImportOne(SessionDatabase& database, ImportedSession const& imported) {
  ImportOutcome outcome{Kind::Refused, imported.PathText(), imported.source, {}};
  ImportedSession safe = imported;
  for (std::string& part : safe.path) {
    part = SessionName::Safe(part);
    if (std::string const problem = SessionName::Problem(part); !problem.empty()) return Refused(outcome, problem);
  }
  return Store(database, safe, safe.path != imported.path ? "characters a name cannot hold made '_'" : "");
}

ImportOutcome SessionImporter::Store(SessionDatabase& database, ImportedSession const& imported, std::string note) {
  ImportOutcome outcome{Kind::Refused, imported.PathText(), imported.source, {}};
  std::string const folder = FolderOf(database, imported, outcome.reason);
  if (!outcome.reason.empty()) return outcome;
  bool replacing = false;
  std::string const name = ResolveConflict(database, folder, imported.path.back(), outcome, replacing);
  if (name.empty()) return outcome;
  SessionPtr const created(m_template->Clone());
  auto* session = dynamic_cast<SessionConfig*>(created.get());
  if (session) session->SetSessionName(name);
  ConnectConfig* side = session ? Configure(*session, imported, outcome.reason) : nullptr;
  if (!side) return outcome;
  if (!imported.jump.empty()) {
    std::string const firewall = JumpFirewall(imported.jump, outcome.reason);
    if (firewall.empty()) return outcome;
    side->SetFirewallName(firewall.c_str());
  }
  if (!MakeFolders(database, imported, outcome.reason)) return outcome;
  std::string const path = folder.empty() ? name : folder + "\\" + name;
  if (replacing && !database.Remove(path))
    return Refused(outcome, "\"" + path + "\" could not be replaced");
  if (!database.InsertSession(folder, name, created.get(), "", true))
    return Refused(outcome, "the store did not take \"" + path + "\"");
  outcome.kind = Kind::Made;
  if (name != imported.path.back()) note += std::string(note.empty() ? "" : "; ") + "stored as \"" + name + "\", since the name was taken";
  if (!imported.note.empty()) note += (note.empty() ? "" : "; ") + imported.note;
  outcome.reason = std::move(note);
  return outcome;
}

// The folder path a session goes into; empty with `refusal` set when a part of it is a session.
std::string SessionImporter::FolderOf(SessionDatabase& database, ImportedSession const& imported,
                                      std::string& refusal) {
  std::string folder = m_folder;
  for (size_t i = 0; i + 1 < imported.path.size(); ++i) {
    folder = folder.empty() ? imported.path[i] : folder + "\\" + imported.path[i];
    if (m_folders.contains(FoldName(folder)) || !SessionDatabase::Exists(folder)) continue;
    if (!database.IsFolder(folder)) return NoName(refusal, "\"" + folder + "\" is a session, not a folder");
    m_folders.insert(FoldName(folder));
  }
  return folder;
}

bool SessionImporter::MakeFolders(SessionDatabase& database, ImportedSession const& imported, std::string& refusal) {
  std::string folder = m_folder;
  for (size_t i = 0; i + 1 < imported.path.size(); ++i) {
    std::string const path = folder.empty() ? imported.path[i] : folder + "\\" + imported.path[i];
    if (!m_folders.contains(FoldName(path))) {
      if (!database.InsertFolder(folder, imported.path[i], "", true)) {
        refusal = "the store did not take the folder \"" + path + "\"";
        return false;
      }
      m_folders.insert(FoldName(path));
    }
    folder = path;
  }
  return true;
}

std::string SessionImporter::ResolveConflict(SessionDatabase& database, std::string const& folder,
                                             std::string const& name, ImportOutcome& outcome, bool& replacing) {
  std::string const path = folder.empty() ? name : folder + "\\" + name;
  // A folder still to be made holds nothing yet.
  bool const folderExists = folder.empty() || m_folders.contains(FoldName(folder));
  if (!folderExists || !SessionDatabase::Exists(folder, name)) return name;
  if (database.IsFolder(path)) return NoName(outcome.reason, "a folder \"" + path + "\" exists already");
  replacing = m_onConflict == OnConflict::Replace;
  if (replacing) return name;
  if (m_onConflict == OnConflict::Skip) {
    outcome.kind = Kind::Skipped;
    return NoName(outcome.reason, "a session \"" + path + "\" exists already");
  }
  std::string const unique = database.GetUniqueSessionName(path).Str();
  std::string const renamed = unique.substr(unique.rfind('\\') + 1);
  if (std::string const problem = SessionName::Problem(renamed); !problem.empty()) return NoName(outcome.reason, problem);
  return renamed;
}

std::string SessionImporter::JumpFirewall(std::string const& hops, std::string& refusal) {
  if (auto const known = m_firewallOfHops.find(hops); known != m_firewallOfHops.end()) return known->second;
  std::optional<JumpHost> const first = JumpHost::FirstHop(hops);
  if (!first) return NoName(refusal, "the jump host \"" + hops + "\" is not [user@]host[:port]");
  for (int number = 1; number <= 100; ++number) {
    std::string const name = number == 1 ? hops : hops + " (" + std::to_string(number) + ")";
    std::unique_ptr<FirewallConfig> firewall(FirewallStore::LookupFirewall(name.c_str()));
    if (firewall) {
      bool const same = firewall->GetFirewallType() == FirewallType::kJumpHost && firewall->GetFirewallCommand() == hops.c_str();
      if (same) return m_firewallOfHops[hops] = name;
      continue;
    }
    FirewallConfig made(name.c_str(), nullptr);
    made.SetFirewallType(FirewallType::kJumpHost);
    made.SetFirewallHostname(first->host.c_str());
    made.SetFirewallPort(static_cast<unsigned short>(first->port));
    made.SetFirewallUsername(first->user.c_str());
    made.SetFirewallCommand(hops.c_str());
    if (!FirewallStore::SaveFirewall(&made, true))
      return NoName(refusal, "the jump host \"" + hops + "\" cannot name a firewall");
    return m_firewallOfHops[hops] = name;
  }
  return NoName(refusal, "no free firewall name for the jump host \"" + hops + "\"");
}
