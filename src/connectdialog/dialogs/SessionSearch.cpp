#include "dialogs/SessionSearch.h"

#include "platform/registry/NameFolding.h"
#include "session/ConnectConfig.h"
#include "session/ISessionConfig.h"

namespace {

// Both sides share the remote-host record, whose host name every network protocol keeps as
// "Hostname": the value read of every key after the folder tree's own, then the protocol.
constexpr size_t kHost = SessionDatabase::kFolderTreeSlots;
constexpr size_t kProtocol = kHost + 1;

std::string Join(std::string const& folder, std::string const& name) { return folder.empty() ? name : folder + "\\" + name; }

std::string HostOf(ConnectConfig* connection) { return connection ? connection->GetHostname().Str() : std::string(); }

}  // namespace

SessionSearch::SessionSearch(bool sortAlphabetically, ConnectTreeFilter filter) : m_filter(filter) {
  std::vector<VProfileSubtree::Wanted> wanted{{"Hostname", VProfileSubtree::Kind::Sz}};
  if (m_filter.NeedsProtocol())
    wanted.push_back({m_filter.terminalHost ? "Protocol Name" : "Transfer Protocol Name", VProfileSubtree::Kind::Sz});
  Store store{{}, {}, SessionDatabase::FolderTreeReading(wanted)};
  SessionDatabase(sortAlphabetically).GetFolderTree(store.folders, store.keys);
  for (size_t i = 0; i < store.folders.size(); ++i) store.folderAt.emplace(store.folders[i].path.Str(), i);
  AddFolder(store, "");
}

void SessionSearch::AddFolder(Store& store, std::string const& folder) {
  auto const at = store.folderAt.find(folder);
  if (at == store.folderAt.end()) return;
  size_t const index = m_folders.size();
  m_folders.push_back(FoldName(folder));
  SessionDatabase::FolderLists& lists = store.folders[at->second];
  for (POSITION p = lists.folders.GetHeadPosition(); p;) AddFolder(store, Join(folder, lists.folders.GetNext(p).Str()));
  size_t session = 0;
  for (POSITION p = lists.sessions.GetHeadPosition(); p; ++session)
    AddSession(store, index, folder, lists.sessions.GetNext(p).Str(), lists.sessionNodes[session]);
}

void SessionSearch::AddSession(Store& store, size_t folder, std::string const& folderPath, std::string const& name,
                               size_t node) {
  std::string path = Join(folderPath, name);
  if (Hidden(store, path, node)) return;
  Entry entry{std::move(path), FoldName(name), folder, {}};
  if (node != VProfileSubtree::kNoParent) {
    entry.hosts = FoldName(store.keys.At(node).values[kHost].text.View());
  } else if (ISessionConfig* session = SessionDatabase(false).GetSessionConfig(entry.path.c_str(), name.c_str())) {
    // Listed under another spelling than its key's: read the session itself.
    entry.hosts = FoldName(HostOf(session->GetTermConnectConfig()) + "\n" + HostOf(session->GetTransferConnectConfig()));
    session->Release();
  }
  m_entries.push_back(std::move(entry));
}

bool SessionSearch::Hidden(Store const& store, std::string const& path, size_t node) const {
  if (!m_filter.NeedsProtocol()) return false;
  if (node == VProfileSubtree::kNoParent) {
    SessionDatabase database(false);
    return m_filter.Hides(database, path);
  }
  VProfileSubtree::Value const& protocol = store.keys.At(node).values[kProtocol];
  return m_filter.HidesStored(protocol.found, protocol.text);
}

std::vector<size_t> SessionSearch::Find(std::string const& folded, std::vector<size_t> const* among) const {
  std::vector<char> folderHolds(m_folders.size());
  for (size_t i = 0; i < m_folders.size(); ++i) folderHolds[i] = m_folders[i].find(folded) != std::string::npos;
  auto holds = [&](size_t session) {
    Entry const& entry = m_entries[session];
    return folderHolds[entry.folder] || entry.name.find(folded) != std::string::npos ||
           entry.hosts.find(folded) != std::string::npos;
  };
  std::vector<size_t> found;
  if (among) {
    for (size_t session : *among)
      if (holds(session)) found.push_back(session);
    return found;
  }
  for (size_t session = 0; session < m_entries.size(); ++session)
    if (holds(session)) found.push_back(session);
  return found;
}

std::vector<std::string> SessionSearch::Matches(std::string const& text) const {
  std::vector<std::string> paths;
  for (size_t session : Find(FoldName(text))) paths.push_back(m_entries[session].path);
  return paths;
}
