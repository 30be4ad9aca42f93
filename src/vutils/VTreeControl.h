// A tree control as data: items with a label and a data pointer under a parent, in order,
// each expanded or not, and at most one selected. Items are named by handles that stay valid
// until the item is deleted; 0 is no item (and, as a parent, the root). Selecting through
// this class changes nothing but the mark: the dialog that owns the tree applies its rules
// first.
#pragma once

#include <map>
#include <string>
#include <vector>

using VTreeItem = int;

class VTreeControl {
 public:
  static constexpr VTreeItem kRoot = 0;
  static constexpr VTreeItem kFirst = -1;  // insert before every sibling
  static constexpr VTreeItem kLast = -2;   // insert after every sibling

  // Inserts an item under `parent` after the sibling `after` (or kFirst, kLast; a handle that
  // is not a sibling counts as kLast). 0 when `parent` is no item.
  VTreeItem Insert(std::string label, void* data, VTreeItem parent, VTreeItem after);
  // Deletes the item and everything below it; a deleted selection leaves nothing selected.
  void Delete(VTreeItem item);
  void DeleteAll();

  bool Exists(VTreeItem item) const { return m_items.count(item) != 0; }
  std::string Label(VTreeItem item) const;
  void* Data(VTreeItem item) const;
  VTreeItem Parent(VTreeItem item) const;
  std::vector<VTreeItem> const& Children(VTreeItem item) const;
  // The depth of an item: 0 for a root item.
  int Depth(VTreeItem item) const;

  void Expand(VTreeItem item, bool expanded);
  bool IsExpanded(VTreeItem item) const;
  // Every item in display order, each item before its children, collapsed ones included.
  std::vector<VTreeItem> AllItems() const;
  // The items a user sees: those whose ancestors are all expanded, in display order.
  std::vector<VTreeItem> VisibleItems() const;
  bool IsVisible(VTreeItem item) const;

  VTreeItem Selected() const { return m_selected; }
  void MarkSelected(VTreeItem item) { m_selected = Exists(item) ? item : 0; }

 private:
  struct Item {
    std::string label;
    void* data = nullptr;
    VTreeItem parent = kRoot;
    std::vector<VTreeItem> children;
    bool expanded = false;
  };

  void Walk(VTreeItem parent, bool visibleOnly, std::vector<VTreeItem>& out) const;

  std::map<VTreeItem, Item> m_items;
  std::vector<VTreeItem> m_roots;
  VTreeItem m_selected = 0;
  VTreeItem m_nextHandle = 1;
};
