// What the Connect dialog's filter box searches: every session the tree may show, in tree
// order, with its name, its folder's path and its host name case-folded as the store folds
// names. Built once when filtering starts from two reads of the store (the folder tree with its
// orders, and every session's host and protocols), so each keystroke only compares texts.
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

  // The paths of the sessions whose name, folder path or host name holds `text`, in tree
  // order; every session for an empty text.
  std::vector<std::string> Matches(std::string const& text) const;

 private:
  struct Entry {
    std::string path;
    std::string name;    // folded
    std::string folder;  // folded
    std::string hosts;   // folded
  };
  // The folders' lists and the stored keys below "Sessions" by their paths.
  struct Store {
    std::vector<SessionDatabase::FolderLists> folders;
    std::unordered_map<std::string, size_t> folderAt;
    VProfileSubtree keys;
    std::unordered_map<std::string, size_t> keyAt;
  };

  void AddFolder(Store& store, std::string const& folder);
  void AddSession(Store& store, std::string const& folder, std::string const& name);

  ConnectTreeFilter m_filter;
  std::vector<Entry> m_entries;
};
