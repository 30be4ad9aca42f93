// What the Connect dialog's filter box searches: every session the tree may show, in tree
// order, with its name and host name case-folded as the store folds names, and its folder,
// whose folded path is kept once for all its sessions. Built once when filtering starts from
// one read of the store (the folder tree with its orders and every key's host name, and its
// protocol while the product filter needs it), so that each keystroke only compares texts, and
// one that extends the text tests only what the shorter text matched.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "VProfileSubtree.h"
#include "database/SessionDatabase.h"
#include "dialogs/ConnectTreeFilter.h"

class SessionSearch {
 public:
  SessionSearch(bool sortAlphabetically, ConnectTreeFilter filter);

  // The sessions (as indexes, ascending in tree order) whose name, folder path or host name
  // holds `folded`, a text folded as the store folds names; only those of `among` when given.
  std::vector<size_t> Find(std::string const& folded, std::vector<size_t> const* among = nullptr) const;
  std::string const& Path(size_t session) const { return m_entries[session].path; }
  // The paths of the sessions whose name, folder path or host name holds `text`, in tree
  // order; every session for an empty text.
  std::vector<std::string> Matches(std::string const& text) const;

 private:
  struct Entry {
    std::string path;
    std::string name;  // folded
    size_t folder;     // in m_folders
    std::string hosts;  // folded
  };
  // The folders' lists, and every key with its host name after the folder values, then the
  // running host's protocol while the product filter needs it.
  struct Store {
    std::vector<SessionDatabase::FolderLists> folders;
    std::unordered_map<std::string, size_t> folderAt;
    VProfileSubtree keys;
  };

  void AddFolder(Store& store, std::string const& folder);
  void AddSession(Store& store, size_t folder, std::string const& folderPath, std::string const& name, size_t node);
  bool Hidden(Store const& store, std::string const& path, size_t node) const;

  ConnectTreeFilter m_filter;
  std::vector<std::string> m_folders;  // folded paths
  std::vector<Entry> m_entries;
};
