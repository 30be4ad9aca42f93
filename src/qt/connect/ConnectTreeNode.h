// One item of the Connect dialog's tree as the Qt model shows it: a copy of the dialog's item
// taken after each command, so that a view painting in between never reads an item the dialog
// has since replaced.
#pragma once

#include <memory>
#include <string>
#include <vector>

class ConnectTreeItem;

struct ConnectTreeNode {
  std::string label;
  bool folder = false;
  bool hasButton = false;
  bool loaded = false;  // a folder's sessions are in the tree
  bool expanded = false;
  bool cut = false;
  ConnectTreeNode* parent = nullptr;
  std::vector<std::unique_ptr<ConnectTreeNode>> children;

  bool IsRoot() const { return parent == nullptr; }
  // The labels below the root joined with backslashes; empty for the root.
  std::string Path() const;
  int Row() const;
  // Whether both hold the same items in the same places with the same expand buttons: a view
  // then needs only their states again.
  bool SameShape(ConnectTreeNode const& other) const;
};
