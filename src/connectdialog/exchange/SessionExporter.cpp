#include "exchange/SessionExporter.h"

#include <memory>

#include "VOptionList.h"
#include "VStringReceiver.h"
#include "VProfileStore.h"
#include "database/SessionDatabase.h"
#include "session/FirewallConfig.h"
#include "session/FirewallStore.h"
#include "session/FirewallType.h"
#include "session/SessionConfig.h"

namespace {

std::string OptionText(VOptionList const& list, char const* name) {
  VOption const* option = list.Find(name);
  return option ? option->Text().Str() : std::string();
}

std::string JumpOf(std::string const& firewallName) {
  if (firewallName.empty() || firewallName == "None") return {};
  std::unique_ptr<FirewallConfig> firewall(FirewallStore::LookupFirewall(firewallName.c_str()));
  if (!firewall || firewall->GetFirewallType() != FirewallType::kJumpHost) return {};
  if (!firewall->GetFirewallCommand().IsEmpty()) return firewall->GetFirewallCommand().Str();
  std::string hop = firewall->GetFirewallHostname().Str();
  VStringReceiver user;
  if (firewall->GetFirewallUsername(&user) && *user.GetString()) hop = std::string(user.GetString()) + "@" + hop;
  return hop + ":" + std::to_string(firewall->GetFirewallPort());
}

}  // namespace

bool SessionExporter::Collect(std::string const& folder, std::vector<ExportedSession>& sessions, std::string& error) {
  VProfileStore unit(true, nullptr);
  SessionDatabase database(0);
  if (!folder.empty() && (!SessionDatabase::Exists(folder) || !database.IsFolder(folder))) {
    error = "no folder \"" + folder + "\"";
    return false;
  }
  sessions.clear();
  CollectFolder(database, folder, sessions);
  return true;
}

void SessionExporter::CollectFolder(SessionDatabase& database, std::string const& folder,
                                    std::vector<ExportedSession>& out) {
  auto const pathOf = [&](CString const& name) { return folder.empty() ? name.Str() : folder + "\\" + name.Str(); };
  CStringList folders;
  database.GetFolderList(folder, folders);
  for (POSITION at = folders.GetHeadPosition(); at;) CollectFolder(database, pathOf(folders.GetNext(at)), out);
  CStringList names;
  database.GetSessionList(folder, names);
  for (POSITION at = names.GetHeadPosition(); at;) {
    std::string const path = pathOf(names.GetNext(at));
    std::unique_ptr<ISessionConfig, void (*)(ISessionConfig*)> found(database.Lookup(path),
                                                                    [](ISessionConfig* s) { s->Release(); });
    if (auto* session = dynamic_cast<SessionConfig*>(found.get())) out.push_back(Describe(*session, path));
  }
}

ExportedSession SessionExporter::Describe(SessionConfig& session, std::string const& path) {
  ExportedSession row;
  row.path = path;
  row.terminalProtocol = session.GetTerminalProtocol().Str();
  row.transferProtocol = session.GetTransferProtocol().Str();
  ConnectConfig* terminal = session.GetTermConnectConfig();
  ConnectConfig* transfer = session.GetTransferConnectConfig();
  bool const terminalFirst = row.terminalProtocol == "SSH2" ||
                             (row.transferProtocol != "SFTP" && row.terminalProtocol != "None");
  ConnectConfig* side = terminal && (terminalFirst || !transfer) ? terminal : transfer;
  if (side) {
    row.host = side->GetHostname().Str();
    row.port = side->GetPort();
    row.user = side->GetUsername().Str();
  }
  row.description = session.description.GetText(false).Str();
  VOptionList const list(session);
  row.identityFile = OptionText(list, "SSH2 Identity Filename");
  row.compression = OptionText(list, "SSH2 Compression") == "true";
  if (VOption const* order = list.Find("SSH2 Authentication Order"); order && !order->IsDefault())
    row.authenticationOrder = order->Text().Str();
  row.jump = JumpOf(session.GetFirewallName().Str());
  return row;
}
