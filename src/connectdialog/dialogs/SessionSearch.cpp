#include "dialogs/SessionSearch.h"

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "library/SessionKeyPath.h"
#include "platform/registry/NameFolding.h"
#include "session/ConnectConfig.h"
#include "session/ISessionConfig.h"

namespace {

constexpr unsigned long kWholeTree = ~0UL;
// The values read of every key, in this order. Both sides share the remote-host record, whose
// host name every network protocol keeps as "Hostname".
enum Wanted { kHost, kTerminalProtocol, kTransferProtocol };

std::string Join(std::string const& folder, std::string const& name) { return folder.empty() ? name : folder + "\\" + name; }

std::string HostOf(ConnectConfig* connection) { return connection ? connection->GetHostname().Str() : std::string(); }

}  // namespace

SessionSearch::SessionSearch(bool sortAlphabetically, ConnectTreeFilter filter) : m_filter(filter) {
  Store store{{},
              {},
              VProfileSubtree({{"Hostname", VProfileSubtree::Kind::Sz},
                               {"Protocol Name", VProfileSubtree::Kind::Sz},
                               {"Transfer Protocol Name", VProfileSubtree::Kind::Sz}}),
              {}};
  SessionDatabase(sortAlphabetically).GetFolderTree(store.folders);
  for (size_t i = 0; i < store.folders.size(); ++i) store.folderAt.emplace(store.folders[i].path.Str(), i);
  {
    VProfileStore reading(true, nullptr);
    VProfileKey top(reading.Root(), SessionKeyPath::Of(""));
    if (!top.ReadSubtree(kWholeTree, store.keys)) store.keys.Clear();
  }
  // Node 0 is "Sessions" itself; every other node comes after its parent.
  std::vector<std::string> paths(store.keys.Count());
  for (size_t node = 1; node < store.keys.Count(); ++node) {
    VProfileSubtree::Node const& key = store.keys.At(node);
    paths[node] = key.parent == 0 ? key.name.Str() : paths[key.parent] + "\\" + key.name.Str();
    store.keyAt.emplace(paths[node], node);
  }
  AddFolder(store, "");
}

void SessionSearch::AddFolder(Store& store, std::string const& folder) {
  auto const at = store.folderAt.find(folder);
  if (at == store.folderAt.end()) return;
  SessionDatabase::FolderLists& lists = store.folders[at->second];
  for (POSITION p = lists.folders.GetHeadPosition(); p;) AddFolder(store, Join(folder, lists.folders.GetNext(p).Str()));
  for (POSITION p = lists.sessions.GetHeadPosition(); p;) AddSession(store, folder, lists.sessions.GetNext(p).Str());
}

void SessionSearch::AddSession(Store& store, std::string const& folder, std::string const& name) {
  std::string const path = Join(folder, name);
  Entry entry{path, FoldName(name), FoldName(folder), {}};
  auto const at = store.keyAt.find(path);
  if (at != store.keyAt.end()) {
    auto const& values = store.keys.At(at->second).values;
    bool const terminal = m_filter.terminalHost;
    VProfileSubtree::Value const& protocol = values[terminal ? kTerminalProtocol : kTransferProtocol];
    if (m_filter.HidesStored(protocol.found, protocol.text)) return;
    entry.hosts = FoldName(values[kHost].text.Str());
  } else {
    // Listed under another spelling than its key's: read the session itself.
    SessionDatabase database(false);
    if (m_filter.Hides(database, path)) return;
    if (ISessionConfig* session = database.GetSessionConfig(path.c_str(), name.c_str())) {
      entry.hosts = FoldName(HostOf(session->GetTermConnectConfig()) + "\n" + HostOf(session->GetTransferConnectConfig()));
      session->Release();
    }
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
