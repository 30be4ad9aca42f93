// One item of the Connect dialog's tree: a folder or a session, its label, its children in
// display order, and the session object loaded the first time the item's session is needed
// (owned, released with the item). The root is a folder labelled "Sessions" whose path is empty.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class ISessionConfig;

class ConnectTreeItem {
 public:
  enum class Kind { Folder, Session };

  ConnectTreeItem(Kind kind, std::string label, ConnectTreeItem* parent, uint32_t handle)
      : m_kind(kind), m_label(std::move(label)), m_parent(parent), m_handle(handle) {}
  ~ConnectTreeItem();
  ConnectTreeItem(ConnectTreeItem const&) = delete;
  ConnectTreeItem& operator=(ConnectTreeItem const&) = delete;

  Kind GetKind() const { return m_kind; }
  bool IsFolder() const { return m_kind == Kind::Folder; }
  bool IsRoot() const { return m_parent == nullptr; }
  std::string const& Label() const { return m_label; }
  void SetLabel(std::string label) { m_label = std::move(label); }
  ConnectTreeItem* Parent() const { return m_parent; }
  uint32_t Handle() const { return m_handle; }
  void SetHandle(uint32_t handle) { m_handle = handle; }
  // The labels below the root joined with backslashes; empty for the root.
  std::string Path() const;
  // The folder an action on this item works in: itself when a folder, else its parent.
  ConnectTreeItem* Folder() { return IsFolder() ? this : m_parent; }

  std::vector<std::unique_ptr<ConnectTreeItem>>& Children() { return m_children; }
  std::vector<std::unique_ptr<ConnectTreeItem>> const& Children() const { return m_children; }
  // Inserts a child at `index` (clamped to the end) and returns it.
  ConnectTreeItem* Insert(size_t index, std::unique_ptr<ConnectTreeItem> child);
  // Removes and destroys the child; nothing when it is not one.
  void Remove(ConnectTreeItem* child);
  size_t IndexOf(ConnectTreeItem const* child) const;
  // The child called `label`, compared as the store compares names; null when none.
  ConnectTreeItem* Child(std::string const& label, Kind kind) const;
  // The sibling before this one of the same kind; null when none.
  ConnectTreeItem* PreviousOfKind() const;
  size_t FolderCount() const;

  bool expanded = false;
  bool sessionsLoaded = false;
  bool hasButton = false;
  // False for a new folder whose name is still being edited.
  bool stored = true;

  // The cached session (loaded on first use); null for a folder or when it cannot be loaded.
  ISessionConfig* Session(bool sortAlphabetically);
  // Drops the cached sessions of this item and of everything below it, whose paths changed.
  void ForgetSession();

 private:
  Kind m_kind;
  std::string m_label;
  ConnectTreeItem* m_parent;
  uint32_t m_handle;
  std::vector<std::unique_ptr<ConnectTreeItem>> m_children;
  ISessionConfig* m_session = nullptr;
};
