#include "dialogs/ConnectTree.h"

#include <sstream>
#include <string_view>
#include <unordered_map>

#include "database/SessionDatabase.h"
#include "platform/registry/NameFolding.h"

namespace {

std::vector<std::string> Components(std::string const& path) {
  std::vector<std::string> names;
  std::istringstream parts(path);
  for (std::string name; std::getline(parts, name, '\\');) names.push_back(name);
  return names;
}

std::vector<std::string> ToVector(CStringList& list) {
  std::vector<std::string> names;
  for (POSITION at = list.GetHeadPosition(); at;) names.push_back(list.GetNext(at).Str());
  return names;
}

}  // namespace

ConnectTree::ConnectTree(bool sortAlphabetically, ConnectTreeFilter filter)
    : m_sortAlphabetically(sortAlphabetically), m_filter(filter), m_root(Make(nullptr, Kind::Folder, kRootLabel)) {}

std::unique_ptr<ConnectTreeItem> ConnectTree::Make(ConnectTreeItem* parent, Kind kind, std::string const& label) {
  return std::make_unique<ConnectTreeItem>(kind, label, parent, m_nextHandle++);
}

ConnectTreeItem* ConnectTree::Add(ConnectTreeItem& parent, Kind kind, std::string const& label, size_t index) {
  return parent.Insert(index, Make(&parent, kind, label));
}

std::vector<std::string> ConnectTree::StoredNames(ConnectTreeItem& folder, Kind kind) {
  SessionDatabase database(m_sortAlphabetically);
  CStringList list;
  std::string const path = folder.Path();
  if (kind == Kind::Folder) {
    database.GetFolderList(path.c_str(), list);
    return ToVector(list);
  }
  database.GetSessionList(path.c_str(), list);
  std::vector<std::string> shown;
  for (std::string& name : ToVector(list))
    if (!m_filter.Hides(database, path.empty() ? name : path + "\\" + name)) shown.push_back(std::move(name));
  return shown;
}

void ConnectTree::AddFolders(ConnectTreeItem& folder) {
  SessionDatabase database(m_sortAlphabetically);
  for (std::string const& name : StoredNames(folder, Kind::Folder)) {
    ConnectTreeItem* child = Add(folder, Kind::Folder, name, folder.Children().size());
    child->hasButton = database.HasChildren(child->Path().c_str());
    AddFolders(*child);
  }
}

void ConnectTree::AddSessions(ConnectTreeItem& folder) {
  for (std::string const& name : StoredNames(folder, Kind::Session)) Add(folder, Kind::Session, name, folder.Children().size());
  folder.sessionsLoaded = true;
}

void ConnectTree::Fill() {
  m_root = Make(nullptr, Kind::Folder, kRootLabel);
  m_root->hasButton = true;
  // The whole hierarchy from one read; every folder is listed before its children.
  std::vector<SessionDatabase::FolderLists> tree;
  SessionDatabase(m_sortAlphabetically).GetFolderTree(tree);
  std::unordered_map<std::string, ConnectTreeItem*> items{{"", m_root.get()}};
  for (SessionDatabase::FolderLists& lists : tree) {
    auto const found = items.find(lists.path.Str());
    if (found == items.end()) continue;
    ConnectTreeItem& folder = *found->second;
    folder.hasButton = folder.IsRoot() || !lists.folders.IsEmpty() || !lists.sessions.IsEmpty();
    for (std::string const& name : ToVector(lists.folders)) {
      ConnectTreeItem* child = Add(folder, Kind::Folder, name, folder.Children().size());
      items.emplace(lists.path.IsEmpty() ? name : lists.path.Str() + "\\" + name, child);
    }
  }
}

void ConnectTree::FillWith(std::vector<std::string> const& sessionPaths) {
  m_root = Make(nullptr, Kind::Folder, kRootLabel);
  // The folders made so far by their paths as the store spelt them.
  std::unordered_map<std::string, ConnectTreeItem*> folders{{"", m_root.get()}};
  // The paths come folder by folder: a session in the folder of the one before needs no lookup.
  std::string_view lastFolderPath;
  ConnectTreeItem* folder = m_root.get();
  for (std::string const& path : sessionPaths) {
    size_t const slash = path.rfind('\\');
    std::string_view const folderPath = std::string_view(path).substr(0, slash == std::string::npos ? 0 : slash);
    if (folderPath != lastFolderPath) folder = FolderFor(std::string(folderPath), folders);
    lastFolderPath = folderPath;
    Add(*folder, Kind::Session, path.substr(slash == std::string::npos ? 0 : slash + 1), folder->Children().size());
  }
  for (auto const& [path, folder] : folders) {
    folder->expanded = folder->sessionsLoaded = true;
    folder->hasButton = !folder->Children().empty();
  }
}

void ConnectTree::Narrow(std::vector<bool> const& keep) {
  size_t next = 0;
  DropUnkept(*m_root, keep, next);
  m_root->ForgetSession();
  m_nextHandle = m_root->Handle() + 1;
  Renumber(*m_root);
}

void ConnectTree::DropUnkept(ConnectTreeItem& folder, std::vector<bool> const& keep, size_t& next) {
  auto& children = folder.Children();
  size_t kept = 0;
  // FillWith placed the sessions in display order; a folder's own come after its folders'.
  for (auto& child : children) {
    if (child->IsFolder()) DropUnkept(*child, keep, next);
    bool const stays = child->IsFolder() ? !child->Children().empty() : next < keep.size() && keep[next];
    if (!child->IsFolder()) ++next;
    if (stays) children[kept++] = std::move(child);
  }
  children.resize(kept);
}

void ConnectTree::Renumber(ConnectTreeItem& folder) {
  folder.expanded = folder.sessionsLoaded = true;
  folder.hasButton = !folder.Children().empty();
  for (auto& child : folder.Children()) {
    child->SetHandle(m_nextHandle++);
    if (child->IsFolder()) Renumber(*child);
  }
}

ConnectTreeItem* ConnectTree::FolderFor(std::string const& path,
                                        std::unordered_map<std::string, ConnectTreeItem*>& folders) {
  if (auto const found = folders.find(path); found != folders.end()) return found->second;
  size_t const slash = path.rfind('\\');
  ConnectTreeItem* parent = FolderFor(slash == std::string::npos ? std::string() : path.substr(0, slash), folders);
  std::string const name = slash == std::string::npos ? path : path.substr(slash + 1);
  ConnectTreeItem* folder = Add(*parent, Kind::Folder, name, parent->FolderCount());
  folders.emplace(path, folder);
  return folder;
}

void ConnectTree::CollectExpanded(ConnectTreeItem& item, std::set<std::string>& paths) {
  if (!item.expanded) return;
  paths.insert(item.Path());
  for (auto& child : item.Children())
    if (child->IsFolder()) CollectExpanded(*child, paths);
}

void ConnectTree::Refill() {
  std::set<std::string> expanded;
  CollectExpanded(*m_root, expanded);
  Fill();
  for (std::string const& path : expanded)
    if (ConnectTreeItem* item = Find(path); item && item->IsFolder()) Expand(*item);
}

void ConnectTree::Refresh(ConnectTreeItem& folder) {
  std::vector<std::unique_ptr<ConnectTreeItem>> old = std::move(folder.Children());
  folder.Children().clear();
  // The stored items by kind and folded label, each taken at most once.
  std::unordered_map<std::string, std::unique_ptr<ConnectTreeItem>*> byName;
  for (auto& item : old)
    if (item->stored) byName.emplace((item->IsFolder() ? "F" : "S") + FoldName(item->Label()), &item);
  auto take = [&](std::string const& name, Kind kind) -> std::unique_ptr<ConnectTreeItem> {
    auto const found = byName.find((kind == Kind::Folder ? "F" : "S") + FoldName(name));
    if (found == byName.end() || !*found->second) return nullptr;
    return std::move(*found->second);
  };
  for (std::string const& name : StoredNames(folder, Kind::Folder)) {
    std::unique_ptr<ConnectTreeItem> item = take(name, Kind::Folder);
    bool const fresh = !item;
    if (fresh) item = Make(&folder, Kind::Folder, name);
    item->SetLabel(name);
    item->ForgetSession();
    ConnectTreeItem* placed = folder.Insert(folder.Children().size(), std::move(item));
    // A folder kept keeps its button: a change below it refreshes it too.
    if (fresh) placed->hasButton = SessionDatabase(m_sortAlphabetically).HasChildren(placed->Path().c_str());
    if (fresh) AddFolders(*placed);
  }
  for (auto& item : old)
    if (item && !item->stored) folder.Insert(folder.Children().size(), std::move(item));
  if (folder.sessionsLoaded) {
    for (std::string const& name : StoredNames(folder, Kind::Session)) {
      std::unique_ptr<ConnectTreeItem> item = take(name, Kind::Session);
      if (!item) item = Make(&folder, Kind::Session, name);
      item->SetLabel(name);
      item->ForgetSession();
      folder.Insert(folder.Children().size(), std::move(item));
    }
  }
  folder.hasButton = folder.IsRoot() || SessionDatabase(m_sortAlphabetically).HasChildren(folder.Path().c_str());
}

void ConnectTree::Expand(ConnectTreeItem& folder) {
  if (!folder.IsFolder()) return;
  if (!folder.sessionsLoaded) AddSessions(folder);
  folder.expanded = true;
}

ConnectTreeItem* ConnectTree::Find(std::string const& path) {
  ConnectTreeItem* item = m_root.get();
  for (std::string const& name : Components(path)) {
    ConnectTreeItem* next = item->Child(name, Kind::Folder);
    if (!next) next = item->Child(name, Kind::Session);
    if (!next) return nullptr;
    item = next;
  }
  return item;
}

ConnectTreeItem* ConnectTree::Reveal(std::string const& path) {
  ConnectTreeItem* item = m_root.get();
  for (std::string const& name : Components(path)) {
    Expand(*item);
    ConnectTreeItem* next = item->Child(name, Kind::Folder);
    if (!next) next = item->Child(name, Kind::Session);
    if (!next) break;
    item = next;
  }
  return item;
}

void ConnectTree::AddVisible(ConnectTreeItem& item, std::vector<ConnectTreeItem*>& out) {
  out.push_back(&item);
  if (!item.expanded) return;
  for (auto& child : item.Children()) AddVisible(*child, out);
}

std::vector<ConnectTreeItem*> ConnectTree::Visible() {
  std::vector<ConnectTreeItem*> items;
  AddVisible(*m_root, items);
  return items;
}
