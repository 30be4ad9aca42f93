#include "qt/connect/ConnectTreeModel.h"

#include <QApplication>
#include <QMimeData>
#include <QPalette>

#include "dialogs/ConnectDialog.h"
#include "dialogs/FolderTreeRecord.h"
#include "qt/QtUserInterface.h"

namespace {

QString ToQt(std::string const& text) { return QString::fromStdString(text); }

}  // namespace

ConnectTreeModel::ConnectTreeModel(ConnectDialog& dialog, QObject* parent) : QAbstractItemModel(parent), m_dialog(dialog) {
  Sync();
}

ConnectTreeModel::~ConnectTreeModel() = default;

std::unique_ptr<ConnectTreeNode> ConnectTreeModel::Copy(ConnectTreeItem const& item, ConnectTreeNode* parent) const {
  auto node = std::make_unique<ConnectTreeNode>();
  node->label = item.Label();
  node->folder = item.IsFolder();
  node->hasButton = item.hasButton;
  node->loaded = !item.IsFolder() || item.sessionsLoaded;
  node->expanded = item.expanded;
  node->cut = m_dialog.IsCut(item);
  node->parent = parent;
  for (auto const& child : item.Children()) node->children.push_back(Copy(*child, node.get()));
  return node;
}

void ConnectTreeModel::TakeStates(ConnectTreeNode& kept, ConnectTreeNode const& fresh) {
  kept.hasButton = fresh.hasButton;
  kept.loaded = fresh.loaded;
  kept.expanded = fresh.expanded;
  kept.cut = fresh.cut;
  for (size_t i = 0; i < kept.children.size(); ++i) TakeStates(*kept.children[i], *fresh.children[i]);
  if (kept.children.empty()) return;
  QModelIndex const parent = IndexOfNode(&kept);
  emit dataChanged(index(0, 0, parent), index(static_cast<int>(kept.children.size()) - 1, 0, parent));
}

void ConnectTreeModel::Sync() {
  std::vector<ConnectTreeItem*> const shown = m_dialog.IsEnded() ? std::vector<ConnectTreeItem*>() : m_dialog.VisibleItems();
  std::unique_ptr<ConnectTreeNode> fresh = shown.empty() ? nullptr : Copy(*shown.front(), nullptr);
  if (m_root && fresh && m_root->SameShape(*fresh)) {
    TakeStates(*m_root, *fresh);
    emit dataChanged(index(0, 0), index(0, 0));
    return;
  }
  beginResetModel();
  m_root = std::move(fresh);
  endResetModel();
}

ConnectTreeNode* ConnectTreeModel::Node(QModelIndex const& index) const {
  return index.isValid() ? static_cast<ConnectTreeNode*>(index.internalPointer()) : nullptr;
}

ConnectTreeNode const* ConnectTreeModel::NodeOf(QModelIndex const& index) const { return Node(index); }

QModelIndex ConnectTreeModel::IndexOfNode(ConnectTreeNode const* node) const {
  return node ? createIndex(node->Row(), 0, const_cast<ConnectTreeNode*>(node)) : QModelIndex();
}

QModelIndex ConnectTreeModel::IndexOf(std::string const& path) const {
  if (!m_root) return {};
  ConnectTreeNode const* node = m_root.get();
  size_t begin = 0;
  while (!path.empty() && begin <= path.size()) {
    size_t const end = std::min(path.find('\\', begin), path.size());
    std::string const label = path.substr(begin, end - begin);
    ConnectTreeNode const* next = nullptr;
    for (auto const& child : node->children)
      if (child->label == label && (!next || (child->folder && !next->folder))) next = child.get();
    if (!next) return {};
    node = next;
    begin = end + 1;
  }
  return IndexOfNode(node);
}

std::string ConnectTreeModel::PathOf(QModelIndex const& index) const {
  ConnectTreeNode const* node = Node(index);
  return node ? node->Path() : std::string();
}

ConnectTreeItem* ConnectTreeModel::ItemOf(QModelIndex const& index) const {
  ConnectTreeNode const* node = Node(index);
  if (!node || m_dialog.IsEnded()) return nullptr;
  std::vector<ConnectTreeNode const*> chain;
  for (; node; node = node->parent) chain.insert(chain.begin(), node);
  ConnectTreeItem* item = m_dialog.VisibleItems().front();
  for (size_t i = 1; i < chain.size() && item; ++i)
    item = item->Child(chain[i]->label, chain[i]->folder ? ConnectTreeItem::Kind::Folder : ConnectTreeItem::Kind::Session);
  return item;
}

QModelIndex ConnectTreeModel::index(int row, int column, QModelIndex const& parent) const {
  if (column != 0 || row < 0 || !m_root) return {};
  if (!parent.isValid()) return row == 0 ? IndexOfNode(m_root.get()) : QModelIndex();
  ConnectTreeNode* node = Node(parent);
  if (parent.column() != 0 || row >= static_cast<int>(node->children.size())) return {};
  return createIndex(row, 0, node->children[static_cast<size_t>(row)].get());
}

QModelIndex ConnectTreeModel::parent(QModelIndex const& child) const {
  ConnectTreeNode const* node = Node(child);
  return node ? IndexOfNode(node->parent) : QModelIndex();
}

int ConnectTreeModel::rowCount(QModelIndex const& parent) const {
  if (!parent.isValid()) return m_root ? 1 : 0;
  return parent.column() == 0 ? static_cast<int>(Node(parent)->children.size()) : 0;
}

int ConnectTreeModel::columnCount(QModelIndex const&) const { return 1; }

bool ConnectTreeModel::hasChildren(QModelIndex const& parent) const {
  if (!parent.isValid()) return m_root != nullptr;
  ConnectTreeNode const* node = Node(parent);
  return parent.column() == 0 && node->folder && (node->hasButton || !node->children.empty());
}

QIcon ConnectTreeModel::IconOf(QModelIndex const& index) const {
  ConnectTreeItem const* item = ItemOf(index);
  int const icon = item ? m_dialog.IconOf(*item) : ConnectDialog::kSessionIcon;
  if (icon == ConnectDialog::kFolderOpenIcon) return QtUserInterface::StockIcon(QtUserInterface::Stock::OpenFolder);
  if (icon == ConnectDialog::kFolderClosedIcon) return QtUserInterface::StockIcon(QtUserInterface::Stock::ClosedFolder);
  return QtUserInterface::StockIcon(QtUserInterface::Stock::Session);
}

QVariant ConnectTreeModel::data(QModelIndex const& index, int role) const {
  ConnectTreeNode const* node = Node(index);
  if (!node) return {};
  switch (role) {
    case Qt::DisplayRole: case Qt::EditRole: case Qt::AccessibleTextRole: return ToQt(node->label);
    case Qt::DecorationRole: return IconOf(index);
    case Qt::ForegroundRole:
      if (node->cut) return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
      return {};
    case Qt::ToolTipRole: {
      std::string const tip = m_dialog.Tooltip(node->Path());
      return tip.empty() ? QVariant() : QVariant(ToQt(tip));
    }
    default: return {};
  }
}

Qt::ItemFlags ConnectTreeModel::flags(QModelIndex const& index) const {
  ConnectTreeNode const* node = Node(index);
  if (!node) return Qt::ItemIsDropEnabled;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled;
  if (!node->IsRoot()) flags |= Qt::ItemIsEditable | Qt::ItemIsDragEnabled;
  if (!node->folder) flags |= Qt::ItemNeverHasChildren;
  return flags;
}

bool ConnectTreeModel::setData(QModelIndex const& index, QVariant const& value, int role) {
  if (role != Qt::EditRole || !Node(index) || !m_dialog.IsEditingLabel()) return false;
  std::string error;
  bool const taken = m_dialog.EndLabelEdit(value.toString().toStdString(), error);
  emit labelEdited();
  return taken;
}

bool ConnectTreeModel::canFetchMore(QModelIndex const& parent) const {
  ConnectTreeNode const* node = Node(parent);
  return node && node->folder && !node->loaded;
}

void ConnectTreeModel::fetchMore(QModelIndex const& parent) {
  ConnectTreeNode* node = Node(parent);
  ConnectTreeItem* item = canFetchMore(parent) ? ItemOf(parent) : nullptr;
  if (!item) return;
  bool const wasExpanded = item->expanded;
  std::string const path = node->Path();
  std::string error;
  // The dialog loads a folder's sessions as it expands it; a fetch alone leaves it as it was.
  if (!m_dialog.Expand(path, error)) return;
  if (!wasExpanded) m_dialog.Collapse(path, error);
  node->loaded = true;
  auto const& children = item->Children();
  size_t const before = node->children.size();
  if (children.size() <= before) return;
  beginInsertRows(parent, static_cast<int>(before), static_cast<int>(children.size()) - 1);
  for (size_t i = before; i < children.size(); ++i) node->children.push_back(Copy(*children[i], node));
  endInsertRows();
}

QStringList ConnectTreeModel::mimeTypes() const { return {kMimeType}; }

QMimeData* ConnectTreeModel::mimeData(QModelIndexList const& indexes) const {
  ConnectTreeNode const* node = indexes.size() == 1 ? Node(indexes.front()) : nullptr;
  ConnectTreeItem const* item = node && !node->IsRoot() ? ItemOf(indexes.front()) : nullptr;
  if (!item) return nullptr;
  FolderTreeRecord const record{item->Handle(), node->Path(), node->parent->Path(), false};
  std::vector<unsigned char> const bytes = record.Pack();
  if (bytes.empty()) return nullptr;
  auto* mime = new QMimeData;
  mime->setData(kMimeType, QByteArray(reinterpret_cast<char const*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
  return mime;
}
