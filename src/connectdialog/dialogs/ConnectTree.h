// The Connect dialog's tree of folders and sessions: the whole folder hierarchy at once in the
// database's order, a folder's sessions the first time it is expanded, expand buttons where the
// database has children, and the product filter applied to sessions. A second form holds only
// the sessions a filter text matched, with every folder on their way expanded.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "dialogs/ConnectTreeFilter.h"
#include "dialogs/ConnectTreeItem.h"

class ConnectTree {
 public:
  using Kind = ConnectTreeItem::Kind;
  static constexpr char kRootLabel[] = "Sessions";

  ConnectTree(bool sortAlphabetically, ConnectTreeFilter filter);

  // Removes every item, then inserts the root and every folder below it.
  void Fill();
  // Root and the folders on the way to each of `sessionPaths` (in order), all expanded.
  void FillWith(std::vector<std::string> const& sessionPaths);
  // After FillWith, keeps the sessions whose flag is set (one for each, in the order they were
  // filled) and the folders on their way: the tree FillWith would make of those alone.
  void Narrow(std::vector<bool> const& keep);
  // The order and the product filter of every later filling.
  void Configure(bool sortAlphabetically, ConnectTreeFilter filter) {
    m_sortAlphabetically = sortAlphabetically;
    m_filter = filter;
  }
  // Fills again, keeping the expanded folders that still exist.
  void Refill();
  // Reads the folder's children again, keeping the items (and what is open below them) of the
  // entries that remain; a new folder still being named stays last among the folders.
  void Refresh(ConnectTreeItem& folder);

  ConnectTreeItem& Root() { return *m_root; }
  bool SortsAlphabetically() const { return m_sortAlphabetically; }
  ConnectTreeFilter const& Filter() const { return m_filter; }

  // Loads the folder's sessions the first time, then shows its children.
  void Expand(ConnectTreeItem& folder);
  void Collapse(ConnectTreeItem& folder) { folder.expanded = false; }
  // The item at `path` among those loaded; null when none.
  ConnectTreeItem* Find(std::string const& path);
  // Expands each folder on the way to `path` and returns the last item found on it.
  ConnectTreeItem* Reveal(std::string const& path);
  // The items a user sees, in display order, the root first.
  std::vector<ConnectTreeItem*> Visible();
  // Adds an item with a handle of its own at `index` of `parent`.
  ConnectTreeItem* Add(ConnectTreeItem& parent, Kind kind, std::string const& label, size_t index);

 private:
  std::unique_ptr<ConnectTreeItem> Make(ConnectTreeItem* parent, Kind kind, std::string const& label);
  void AddFolders(ConnectTreeItem& folder);
  // The folder item at `path` in a tree being filled, made with the folders above it when missing.
  ConnectTreeItem* FolderFor(std::string const& path, std::unordered_map<std::string, ConnectTreeItem*>& folders);
  void AddSessions(ConnectTreeItem& folder);
  std::vector<std::string> StoredNames(ConnectTreeItem& folder, Kind kind);
  void CollectExpanded(ConnectTreeItem& item, std::set<std::string>& paths);
  // Drops the sessions below `folder` whose flag, counted from `next` in display order, is
  // clear, and the folders left empty.
  void DropUnkept(ConnectTreeItem& folder, std::vector<bool> const& keep, size_t& next);
  // Numbers the items below `folder` and shows every folder open, as FillWith leaves them.
  void Renumber(ConnectTreeItem& folder);
  void AddVisible(ConnectTreeItem& item, std::vector<ConnectTreeItem*>& out);

  bool m_sortAlphabetically;
  ConnectTreeFilter m_filter;
  uint32_t m_nextHandle = 1;
  std::unique_ptr<ConnectTreeItem> m_root;
};
