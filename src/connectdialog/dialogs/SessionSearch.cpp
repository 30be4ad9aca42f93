#include "dialogs/SessionSearch.h"

#include "database/SessionDatabase.h"
#include "platform/registry/NameFolding.h"
#include "session/ConnectConfig.h"
#include "session/ISessionConfig.h"

namespace {

std::string HostOf(ConnectConfig* connection) { return connection ? connection->GetHostname().Str() : std::string(); }

}  // namespace

SessionSearch::SessionSearch(bool sortAlphabetically, ConnectTreeFilter filter) : m_filter(filter) {
  SessionDatabase database(sortAlphabetically);
  AddFolder(database, "");
}

void SessionSearch::AddFolder(SessionDatabase& database, std::string const& folder) {
  CStringList folders;
  database.GetFolderList(folder.c_str(), folders);
  for (POSITION at = folders.GetHeadPosition(); at;) {
    std::string const& name = folders.GetNext(at).Str();
    AddFolder(database, folder.empty() ? name : folder + "\\" + name);
  }
  CStringList sessions;
  database.GetSessionList(folder.c_str(), sessions);
  for (POSITION at = sessions.GetHeadPosition(); at;) AddSession(database, folder, sessions.GetNext(at).Str());
}

void SessionSearch::AddSession(SessionDatabase& database, std::string const& folder, std::string const& name) {
  std::string const path = folder.empty() ? name : folder + "\\" + name;
  if (m_filter.Hides(database, path)) return;
  Entry entry{path, FoldName(name), FoldName(folder), {}};
  if (ISessionConfig* session = database.GetSessionConfig(path.c_str(), name.c_str())) {
    entry.hosts = FoldName(HostOf(session->GetTermConnectConfig()) + "\n" + HostOf(session->GetTransferConnectConfig()));
    session->Release();
  }
  m_entries.push_back(std::move(entry));
}

std::vector<std::string> SessionSearch::Matches(std::string const& text) const {
  std::string const folded = FoldName(text);
  std::vector<std::string> paths;
  for (Entry const& entry : m_entries)
    if (entry.name.find(folded) != std::string::npos || entry.folder.find(folded) != std::string::npos ||
        entry.hosts.find(folded) != std::string::npos)
      paths.push_back(entry.path);
  return paths;
}
