#include "database/SessionDatabase.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "VProfileKey.h"
#include "VProfileKeyIterator.h"
#include "VProfileStore.h"
#include "VProfileSubtree.h"
#include "database/ProfileFolderData.h"
#include "library/ProductInfo.h"
#include "library/SessionKeyPath.h"
#include "platform/registry/NameFolding.h"
#include "session/ConnectConfigPtr.h"
#include "session/FirewallStore.h"
#include "session/SessionConfig.h"

namespace {

constexpr char const* kSessionMark = "Is Session";
constexpr char const* kRenamingName = "(renaming)";
// Deeper than any tree: older builds left trees deeper than new keys may go.
constexpr unsigned long kWholeTree = ~0UL;
using List = ProfileFolderData::List;

// Each name's node among the children of `node`, kNoParent where none is so named: a walk along
// the children while the names come in their order (as a record in step lists them), and a
// table of the children from the first name that does not.
std::vector<size_t> NodesNamed(VProfileSubtree const& tree, size_t node, std::vector<CString> const& names) {
  auto const children = tree.Children(node);
  std::vector<size_t> nodes;
  nodes.reserve(names.size());
  std::unordered_map<std::string_view, size_t> childAt;
  size_t next = 0;
  for (CString const& name : names) {
    std::string_view const wanted = name.Str();
    if (childAt.empty()) {
      size_t at = next;
      while (at < children.size() && tree.At(children[at]).name.View() != wanted) ++at;
      if (at < children.size()) {
        nodes.push_back(children[at]);
        next = at + 1;
        continue;
      }
      for (size_t child : children) childAt.emplace(tree.At(child).name.View(), child);
    }
    auto const found = childAt.find(wanted);
    nodes.push_back(found == childAt.end() ? VProfileSubtree::kNoParent : found->second);
  }
  return nodes;
}

std::vector<CString> Names(CStringList& list) {
  std::vector<CString> names;
  names.reserve(static_cast<size_t>(list.GetCount()));
  for (POSITION at = list.GetHeadPosition(); at;) names.push_back(list.GetNext(at));
  return names;
}

std::vector<VString> SubkeyNames(VProfileKey& key) {
  std::vector<VString> names;
  VProfileKeyIterator children(&key, false);
  for (VString name; children.Next(name);) names.push_back(name);
  return names;
}

// Depth first in store order, over the tree read at once with each key's session mark (so no
// folder is listed and no key probed on the way): what the action writes cannot disturb the
// walk. The walk keeps its own stack of open folders and one path that grows and shrinks with
// it, so a tree of any depth costs neither the call stack nor a copy of the path per level.
template <typename Action>
void WalkSessions(VProfileKey& top, Action&& action) {
  VProfileSubtree tree({{kSessionMark, VProfileSubtree::Kind::Dword}});
  if (!top.ReadSubtree(kWholeTree, tree)) return;
  struct Level {
    std::unique_ptr<VProfileKey> owned;
    VProfileKey* key;
    size_t node;
    size_t next = 0;
    size_t pathLength = 0;
  };
  std::vector<Level> levels;
  levels.push_back(Level{nullptr, &top, 0, 0, 0});
  std::string path;
  while (!levels.empty()) {
    Level& level = levels.back();
    auto const children = tree.Children(level.node);
    if (level.next == children.size()) {
      levels.pop_back();
      continue;
    }
    size_t const child = children[level.next++];
    VProfileSubtree::Node const& node = tree.At(child);
    if (node.name == ProfileFolderData::kRecordName) continue;
    path.resize(level.pathLength);
    if (!path.empty()) path += "\\";
    path += node.name.c_str();
    auto key = std::make_unique<VProfileKey>(level.key, node.name);
    if (node.values[0].found) {
      action(*key, CString(path), CString(node.name.c_str()));
    } else {
      VProfileKey* folder = key.get();
      levels.push_back(Level{std::move(key), folder, child, 0, path.size()});
    }
  }
}

void ToList(std::vector<CString> const& names, CStringList& out) {
  for (CString const& name : names) out.AddTail(name);
}

}  // namespace

CString SessionDatabase::GetDBPath(CString const& path) { return SessionKeyPath::Of(path); }

CString SessionDatabase::GetName(CString const& path) {
  size_t const slash = path.Str().rfind('\\');
  return slash == std::string::npos ? path : CString(path.Str().substr(slash + 1));
}

CString SessionDatabase::GetParent(CString const& path) {
  size_t const slash = path.Str().rfind('\\');
  return slash == std::string::npos ? CString() : CString(path.Str().substr(0, slash));
}

CString SessionDatabase::Join(CString const& folder, CString const& name) {
  if (folder.IsEmpty()) return name;
  CString path = folder;
  (path += "\\") += name.Str();
  return path;
}

CString SessionDatabase::NumberedName(CString const& folder, CString const& name, int first) {
  for (int n = first;; ++n) {
    CString candidate(name.Str() + " (" + std::to_string(n) + ")");
    if (!Exists(folder, candidate)) return candidate;
  }
}

bool SessionDatabase::NameFits(CString const& name) {
  return !name.IsEmpty() && name.Str().size() <= kMaxNameBytes;
}

bool SessionDatabase::IsStoredSession(VProfileStore& store, CString const& path) {
  if (!store.Root()->KeyExists(GetDBPath(path))) return false;
  VProfileKey key(store.Root(), GetDBPath(path));
  return !IsFolder(key);
}

bool SessionDatabase::IsWithin(CString const& folder, CString const& path) {
  std::string const inside = FoldName(folder.Str());
  std::string const outer = FoldName(path.Str());
  return inside == outer || inside.starts_with(outer + "\\");
}

bool SessionDatabase::IsFolder(VProfileKey& key) {
  unsigned long mark = 0;
  return !key.GetDword(kSessionMark, mark);
}

bool SessionDatabase::IsFolder(CString const& path) {
  VProfileStore store(true, nullptr);
  VProfileKey key(store.Root(), GetDBPath(path));
  return IsFolder(key);
}

bool SessionDatabase::Exists(CString const& path) { return SessionKeyPath::Exists(path); }

bool SessionDatabase::Exists(CString const& folder, CString const& name) { return Exists(Join(folder, name)); }

bool SessionDatabase::HasChildren(CString const& path) {
  VProfileStore store(true, nullptr);
  if (!store.Root()->KeyExists(GetDBPath(path))) return false;
  VProfileKey key(store.Root(), GetDBPath(path));
  for (VString const& name : SubkeyNames(key))
    if (name != kDefaultName && name != ProfileFolderData::kRecordName) return true;
  return false;
}

bool SessionDatabase::IsEmpty() {
  VProfileStore store(true, nullptr);
  if (!store.Root()->KeyExists(GetDBPath(""))) return false;
  VProfileKey root(store.Root(), GetDBPath(""));
  int sessions = 0;
  for (VString const& name : SubkeyNames(root)) {
    if (name == ProfileFolderData::kRecordName) continue;
    VProfileKey child(&root, name);
    if (IsFolder(child)) return false;
    ++sessions;
  }
  return sessions == 1;
}

// Read-only first: a record in step (the usual case) needs no write lock and no key creation,
// and the folder's children come with their session marks and the record in one read.
void SessionDatabase::AppendList(CString const& folder, bool folders, CStringList& out) {
  List const list = folders ? List::Folders : List::Sessions;
  {
    VProfileStore reading(true, nullptr);
    VProfileKey key(reading.Root(), GetDBPath(folder));
    VProfileSubtree tree = ProfileFolderData::Wanted();
    if (key.ReadSubtree(1, tree)) {
      ProfileFolderData data(*reading.Root(), GetDBPath(folder), m_sortAlphabetically, tree, 0);
      if (!data.Repaired()) return ToList(data.Names(list), out);
    }
  }
  VProfileStore store;
  ProfileFolderData data(*store.Root(), GetDBPath(folder), m_sortAlphabetically);
  ToList(data.Names(list), out);
}

void SessionDatabase::GetFolderTree(std::vector<FolderLists>& out) {
  VProfileSubtree tree = FolderTreeReading({});
  ReadFolderTree(out, tree, false);
}

void SessionDatabase::GetFolderTree(std::vector<FolderLists>& out, VProfileSubtree& tree) {
  ReadFolderTree(out, tree, true);
}

VProfileSubtree SessionDatabase::FolderTreeReading(std::vector<VProfileSubtree::Wanted> const& more) {
  std::vector<VProfileSubtree::Wanted> wanted = ProfileFolderData::Wanted().WantedValues();
  wanted.insert(wanted.end(), more.begin(), more.end());
  return VProfileSubtree(std::move(wanted));
}

void SessionDatabase::ReadFolderTree(std::vector<FolderLists>& out, VProfileSubtree& tree, bool withNodes) {
  out.clear();
  std::vector<size_t> repair;  // folders whose record is out of step, listed again below
  std::vector<size_t> nodes;   // each folder's node
  {
    VProfileStore reading(true, nullptr);
    VProfileKey top(reading.Root(), GetDBPath(""));
    if (!top.ReadSubtree(kWholeTree, tree)) tree.Add(VProfileSubtree::kNoParent, VString());
    // Depth first: the folder's node and its path.
    std::vector<std::pair<size_t, CString>> pending{{0, CString()}};
    while (!pending.empty()) {
      auto const [node, path] = pending.back();
      pending.pop_back();
      ProfileFolderData const data(*reading.Root(), GetDBPath(path), m_sortAlphabetically, tree, node);
      if (data.Repaired()) repair.push_back(out.size());
      nodes.push_back(node);
      FolderLists& lists = out.emplace_back();
      lists.path = path;
      ToList(data.Names(List::Folders), lists.folders);
      ToList(data.Names(List::Sessions), lists.sessions);
      if (withNodes) lists.sessionNodes = NodesNamed(tree, node, data.Names(List::Sessions));
      // Every listed folder is one of the children read.
      auto const& names = data.Names(List::Folders);
      std::vector<size_t> const folderNodes = NodesNamed(tree, node, names);
      for (size_t i = names.size(); i-- > 0;)
        if (folderNodes[i] != VProfileSubtree::kNoParent) pending.emplace_back(folderNodes[i], Join(path, names[i]));
    }
  }
  for (size_t index : repair) {
    FolderLists& lists = out[index];
    lists.folders.RemoveAll();
    lists.sessions.RemoveAll();
    GetFolderList(lists.path, lists.folders);
    GetSessionList(lists.path, lists.sessions);
    if (withNodes) lists.sessionNodes = NodesNamed(tree, nodes[index], Names(lists.sessions));
  }
}

void SessionDatabase::GetFolderList(CString const& folder, CStringList& out) { AppendList(folder, true, out); }

void SessionDatabase::GetSessionList(CString const& folder, CStringList& out) { AppendList(folder, false, out); }

ISessionConfig* SessionDatabase::Lookup(CString const& path) {
  VProfileStore store;
  if (!store.Root()->KeyExists(GetDBPath(path)))
    return path == kDefaultName ? CreateSessionConfig(kDefaultName, nullptr) : nullptr;
  VProfileKey key(store.Root(), GetDBPath(path));
  if (IsFolder(key)) return nullptr;
  ISessionConfig* session = CreateSessionConfig(GetName(path), &key);
  if (session) session->SetSessionPath(path);
  return session;
}

ISessionConfig* SessionDatabase::GetSessionConfig(CString const& path, CString const& name) {
  VProfileStore store;
  VProfileKey key(store.Root(), GetDBPath(path));
  ISessionConfig* session = CreateSessionConfig(name, &key);
  if (session) session->SetSessionPath(path);
  return session;
}

void SessionDatabase::Save(ISessionConfig* session, bool force) {
  if (!session) return;
  CString const path = session->GetSessionPath();
  if (path == kDefaultName && !force) return;
  VProfileStore store;
  if (!store.Root()->KeyExists(GetDBPath(path)))
    InsertSession(GetParent(path), session->GetSessionName(), session, "", true);
  VProfileKey key(store.Root(), GetDBPath(path));
  session->Save(&key, false);
}

bool SessionDatabase::InsertSession(CString const& folder, CString const& name, ISessionConfig* session,
                                    CString const& position, bool after) {
  if (!session || !NameFits(name)) return false;
  VProfileStore store;
  if (!store.CanCommit()) return false;
  // Read before the key exists: the merge would otherwise append the new name at the end.
  ProfileFolderData record(*store.Root(), GetDBPath(folder), m_sortAlphabetically);
  CString const path = Join(folder, name);
  {
    VProfileKey key(store.Root(), GetDBPath(path));
    ISessionConfig* clone = session->Clone();
    clone->SetSessionPath(path);
    clone->Save(&key, true);
    clone->Release();
  }
  if (!IsStoredSession(store, path)) return store.Close(false);
  record.Insert(List::Sessions, name, position, after);
  if (!store.Close(true)) return false;
  session->SetSessionPath(path);
  return true;
}

bool SessionDatabase::InsertFolder(CString const& folder, CString const& name, CString const& position, bool after) {
  if (!NameFits(name)) return false;
  VProfileStore store;
  if (!store.CanCommit()) return false;
  CString const newPath = Join(folder, name);
  ProfileFolderData record(*store.Root(), GetDBPath(folder), m_sortAlphabetically);
  { VProfileKey created(store.Root(), GetDBPath(newPath)); }
  if (!store.Root()->KeyExists(GetDBPath(newPath))) return store.Close(false);
  record.Insert(List::Folders, name, position, after);
  // A passing session makes the new folder write its (empty) order record.
  ISessionConfig* temporary = CreateSessionConfig(ProfileFolderData::kTemporaryName, nullptr);
  bool const stored = temporary && InsertSession(newPath, ProfileFolderData::kTemporaryName, temporary, "", true) &&
                      Remove(Join(newPath, ProfileFolderData::kTemporaryName));
  if (temporary) temporary->Release();
  return store.Close(stored);
}

SessionDatabase::Children SessionDatabase::ListChildren(CString const& folder) {
  Children children;
  GetFolderList(folder, children.folders);
  GetSessionList(folder, children.sessions);
  return children;
}

bool SessionDatabase::CopyChildren(CString const& from, Children& children, CString const& to, bool makeUnique) {
  for (CStringList* names : {&children.folders, &children.sessions})
    for (POSITION p = names->GetHeadPosition(); p;)
      if (Copy(Join(from, names->GetNext(p)), to, makeUnique, "", true).IsEmpty()) return false;
  return true;
}

CString SessionDatabase::CopyName(CString const& folder, CString const& name, bool makeUnique) {
  return makeUnique && Exists(folder, name) ? NumberedName(folder, name, 1) : name;
}

CString SessionDatabase::CopyFolder(CString const& path, CString const& targetFolder, bool makeUnique,
                                    CString const& position, bool after) {
  CString const newName = CopyName(targetFolder, GetName(path), makeUnique);
  // Listed before the copy exists, so a copy made inside its own source is not copied again.
  Children children = ListChildren(path);
  CString const newPath = Join(targetFolder, newName);
  if (!InsertFolder(targetFolder, newName, position, after)) return CString();
  return CopyChildren(path, children, newPath, makeUnique) ? newPath : CString();
}

CString SessionDatabase::CopySession(CString const& path, CString const& targetFolder, bool makeUnique,
                                     CString const& position, bool after) {
  ISessionConfig* loaded = GetSessionConfig(path, GetName(path));
  if (!loaded) return CString();
  ISessionConfig* clone = loaded->Clone();
  loaded->Release();
  CString const finalName = CopyName(targetFolder, clone->GetSessionName(), makeUnique);
  bool const stored = InsertSession(targetFolder, finalName, clone, position, after);
  clone->Release();
  return stored ? Join(targetFolder, finalName) : CString();
}

// A copy that fails partway is taken back whole.
CString SessionDatabase::Copy(CString const& path, CString const& targetFolder, bool makeUnique,
                              CString const& position, bool after) {
  VProfileStore store;
  if (!store.CanCommit()) return CString();
  CString const copied = IsFolder(path) ? CopyFolder(path, targetFolder, makeUnique, position, after)
                                        : CopySession(path, targetFolder, makeUnique, position, after);
  return store.Close(!copied.IsEmpty()) ? copied : CString();
}

bool SessionDatabase::Move(CString const& path, CString const& targetFolder, CString const& position, bool after) {
  if (path.IsEmpty() || IsWithin(targetFolder, path)) return false;
  VProfileStore store;
  if (!store.CanCommit() || !store.Root()->KeyExists(GetDBPath(path)) || Exists(targetFolder, GetName(path)))
    return false;
  bool const moved = !Copy(path, targetFolder, false, position, after).IsEmpty() && Remove(path);
  return store.Close(moved);
}

bool SessionDatabase::Rename(CString const& path, CString const& newName, CString const& position) {
  CString const parent = GetParent(path);
  if (path.IsEmpty() || !NameFits(newName)) return false;
  if (newName == GetName(path)) return Exists(path);
  VProfileStore store;
  if (!store.CanCommit() || !store.Root()->KeyExists(GetDBPath(path))) return false;
  bool renamed = false;
  if (FoldName(newName.Str()) != FoldName(GetName(path).Str())) {
    renamed = !Exists(parent, newName) && Relocate(path, newName, position);
  } else {
    // Key names ignore letter case: the new spelling needs the old key gone first. The short
    // temporary name fits beside any name, and is listed, so the entry keeps its place.
    CString const temporary = CopyName(parent, kRenamingName, true);
    renamed = Relocate(path, temporary, position) && Relocate(Join(parent, temporary), newName, temporary);
  }
  return store.Close(renamed);
}

bool SessionDatabase::Relocate(CString const& path, CString const& newName, CString const& position) {
  CString const parent = GetParent(path);
  bool copied = false;
  if (IsFolder(path)) {
    Children children = ListChildren(path);
    copied = InsertFolder(parent, newName, position, true) && CopyChildren(path, children, Join(parent, newName), false);
  } else if (ISessionConfig* loaded = GetSessionConfig(path, GetName(path))) {
    ISessionConfig* clone = loaded->Clone();
    loaded->Release();
    copied = InsertSession(parent, newName, clone, position, true);
    clone->Release();
  }
  return copied && Remove(path);
}

CString SessionDatabase::Reorder(CString const& path, CString const& target, bool after) {
  VProfileStore store;
  List const list = IsFolder(path) ? List::Folders : List::Sessions;
  ProfileFolderData(*store.Root(), GetDBPath(GetParent(path)), m_sortAlphabetically)
      .Reorder(list, GetName(path), target, after);
  return path;
}

bool SessionDatabase::Remove(CString const& path) {
  VProfileStore store;
  if (path.IsEmpty() || !store.Root()->KeyExists(GetDBPath(path))) return false;
  List const list = IsFolder(path) ? List::Folders : List::Sessions;
  CString const parent = GetParent(path);
  {
    VProfileKey parentKey(store.Root(), GetDBPath(parent));
    if (!parentKey.DeleteKey(GetName(path))) return false;
  }
  ProfileFolderData(*store.Root(), GetDBPath(parent), m_sortAlphabetically).Remove(list, GetName(path));
  return store.Close();
}

CString SessionDatabase::GetUniqueSessionName(CString path) {
  if (!Exists(path)) return path;
  return NumberedName("", path, 2);
}

void SessionDatabase::EnumAllSessions(Visitor visitor, void* context) {
  if (!visitor) return;
  VProfileStore store;
  if (!store.Root()->KeyExists(GetDBPath(""))) return;
  VProfileKey sessions(store.Root(), GetDBPath(""));
  WalkSessions(sessions, [&](VProfileKey& key, CString const& path, CString const& name) {
    visitor(key, path, name, context);
  });
}

// The whole walk is one unit of work: a process killed midway leaves every session as it was,
// and 10,000 sessions cost one commit instead of 10,000.
GlobalChangeTally SessionDatabase::EnumAndApplyDelta(ISessionConfig* delta) { return EnumAndApplyDelta(delta, {}); }

GlobalChangeTally SessionDatabase::EnumAndApplyDelta(ISessionConfig* delta,
                                                     std::function<void(GlobalChangeTally const&)> const& progress) {
  GlobalChangeTally tally;
  auto const* change = dynamic_cast<SessionConfig const*>(delta);
  if (!change) return tally;
  VProfileStore store;
  if (!store.Root()->KeyExists(GetDBPath(""))) return tally;
  // The options the delta changed are found once; each session then loads, takes and writes
  // just those, so a change of the title bar costs no comparison of keymaps.
  VProfileOptionTable const& table = change->ProfileTable();
  std::vector<int> changed;
  for (int i = 0; i < table.Count(); ++i)
    if (change->Lookup(i)->IsModified()) changed.push_back(i);
  SessionConfig session("", nullptr);
  VProfileKey sessions(store.Root(), GetDBPath(""));
  WalkSessions(sessions, [&](VProfileKey& key, CString const&, CString const&) {
    ++tally.visited;
    if (key.IsWritable()) {
      for (int i : changed) {
        table.LoadMember(session, i, &key);
        session.Lookup(i)->ApplyDelta(change->Lookup(i));
        session.Lookup(i)->Save(&key, true);
      }
      ++tally.updated;
    }
    if (progress) progress(tally);
  });
  return tally;
}

void SessionDatabase::EnumAndSetAllBoolValues(CString const& valueName, bool value) {
  VProfileStore store;
  if (!store.Root()->KeyExists(GetDBPath(""))) return;
  VProfileKey sessions(store.Root(), GetDBPath(""));
  WalkSessions(sessions, [&](VProfileKey& key, CString const&, CString const&) {
    key.SetDword(valueName, value ? 1 : 0);
  });
}

bool SessionDatabase::HasMatchingProtocol(unsigned int productId, CString const& path) {
  VProfileStore store(true, nullptr);
  VProfileKey key(store.Root(), GetDBPath(path));
  bool const terminal = productId == kProductHaloKorvo;
  VString name;
  if (!key.GetSz(terminal ? "Protocol Name" : "Transfer Protocol Name", name)) return false;
  ConnectConfigPtr::ValidateProtocolName(terminal, name);
  return !name.IsEmpty() && name != "None";
}

FirewallConfig* SessionDatabase::LookupFirewall(CString const& name) { return FirewallStore::LookupFirewall(name); }

bool SessionDatabase::SaveFirewall(FirewallConfig* firewall, bool force) {
  return FirewallStore::SaveFirewall(firewall, force);
}

bool SessionDatabase::DeleteFirewall(CString const& name) { return FirewallStore::DeleteFirewall(name); }

bool SessionDatabase::FirewallExists(CString const& name) { return FirewallStore::FirewallExists(name); }

CString SessionDatabase::GetFirewallDBPath(CString const& name) { return FirewallStore::GetFirewallDBPath(name); }

void SessionDatabase::GetSerializedFirewallNames(IBuffer* buffer) { FirewallStore::GetSerializedFirewallNames(buffer); }
