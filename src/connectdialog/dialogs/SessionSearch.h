// What the Connect dialog's filter box searches: every session the tree may show, in tree
// order, with its name, its folder's path and its host names case-folded as the store folds
// names. Built once when filtering starts, so each keystroke only compares texts.
#pragma once

#include <string>
#include <vector>

#include "dialogs/ConnectTreeFilter.h"

class SessionDatabase;

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
    std::string hosts;   // folded, the two sides' host names joined by a line break
  };

  void AddFolder(SessionDatabase& database, std::string const& folder);
  void AddSession(SessionDatabase& database, std::string const& folder, std::string const& name);

  ConnectTreeFilter m_filter;
  std::vector<Entry> m_entries;
};
