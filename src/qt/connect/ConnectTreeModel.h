// The Connect dialog's tree as a Qt item model: one column, the root "Sessions" as the only
// top-level row. A folder's sessions are fetched the first time a view asks for them, through
// the dialog's lazy loading. The model shows a copy of the dialog's tree that Sync takes after
// each command (in place when only states changed, else as a reset), so every rule stays in the
// dialog. Items carry the "FolderTree" record under application/x-folder-tree when dragged.
#pragma once

#include <QAbstractItemModel>
#include <QIcon>
#include <memory>
#include <string>

#include "qt/connect/ConnectTreeNode.h"

class ConnectDialog;
class ConnectTreeItem;

class ConnectTreeModel : public QAbstractItemModel {
  Q_OBJECT

 public:
  static constexpr char kMimeType[] = "application/x-folder-tree";

  explicit ConnectTreeModel(ConnectDialog& dialog, QObject* parent = nullptr);
  ~ConnectTreeModel() override;

  // Takes the dialog's tree again.
  void Sync();
  // The row of the item at `path` (a folder before a session of the same name); invalid when
  // the model holds none.
  QModelIndex IndexOf(std::string const& path) const;
  std::string PathOf(QModelIndex const& index) const;
  ConnectTreeNode const* NodeOf(QModelIndex const& index) const;
  // The dialog's item behind a row; null when the dialog no longer has it.
  ConnectTreeItem* ItemOf(QModelIndex const& index) const;

  QModelIndex index(int row, int column, QModelIndex const& parent = {}) const override;
  QModelIndex parent(QModelIndex const& child) const override;
  int rowCount(QModelIndex const& parent = {}) const override;
  int columnCount(QModelIndex const& parent = {}) const override;
  bool hasChildren(QModelIndex const& parent = {}) const override;
  QVariant data(QModelIndex const& index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(QModelIndex const& index) const override;
  // Ends the dialog's label edit with the typed text; labelEdited follows.
  bool setData(QModelIndex const& index, QVariant const& value, int role = Qt::EditRole) override;
  bool canFetchMore(QModelIndex const& parent) const override;
  void fetchMore(QModelIndex const& parent) override;
  QStringList mimeTypes() const override;
  QMimeData* mimeData(QModelIndexList const& indexes) const override;
  Qt::DropActions supportedDragActions() const override { return Qt::MoveAction | Qt::CopyAction; }
  Qt::DropActions supportedDropActions() const override { return Qt::MoveAction | Qt::CopyAction; }

 signals:
  // The dialog took a typed label; it may want the edit again.
  void labelEdited();

 private:
  QModelIndex IndexOfNode(ConnectTreeNode const* node) const;
  ConnectTreeNode* Node(QModelIndex const& index) const;
  std::unique_ptr<ConnectTreeNode> Copy(ConnectTreeItem const& item, ConnectTreeNode* parent) const;
  void TakeStates(ConnectTreeNode& kept, ConnectTreeNode const& fresh);
  QIcon IconOf(QModelIndex const& index) const;

  ConnectDialog& m_dialog;
  std::unique_ptr<ConnectTreeNode> m_root;
};
