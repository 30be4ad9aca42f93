#include "qt/connect/ConnectTreeView.h"

#include <QDragMoveEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>

#include "dialogs/FolderTreeRecord.h"
#include "qt/connect/ConnectTreeModel.h"

namespace {

constexpr int kHoverExpandUserArranged = 1000;
constexpr int kHoverExpandAlphabetical = 750;
constexpr int kScrollMargin = 10;

bool Within(std::string const& path, std::string const& folder) {
  return path == folder || path.starts_with(folder + "\\");
}

}  // namespace

ConnectTreeView::ConnectTreeView(QWidget* parent) : QTreeView(parent) {
  setHeaderHidden(true);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDropIndicatorShown(false);
  setDragDropMode(QAbstractItemView::DragDrop);
  setDefaultDropAction(Qt::MoveAction);
  setAutoScrollMargin(kScrollMargin);
  setExpandsOnDoubleClick(false);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setContextMenuPolicy(Qt::CustomContextMenu);
  SetUserArranged(true);
}

void ConnectTreeView::SetUserArranged(bool userArranged) {
  m_userArranged = userArranged;
  setAutoExpandDelay(userArranged ? kHoverExpandUserArranged : kHoverExpandAlphabetical);
}

ConnectTreeView::Target ConnectTreeView::TargetOf(QDropEvent const& event) const {
  Target target;
  auto const* tree = qobject_cast<ConnectTreeModel const*>(model());
  QMimeData const* mime = event.mimeData();
  FolderTreeRecord record;
  QByteArray const bytes = mime ? mime->data(ConnectTreeModel::kMimeType) : QByteArray();
  if (!tree || !FolderTreeRecord::Unpack(std::vector<unsigned char>(bytes.begin(), bytes.end()), record)) return target;
  QPoint const at = event.position().toPoint();
  QModelIndex const index = indexAt(at);
  ConnectTreeNode const* node = tree->NodeOf(index);
  if (!node) return target;
  QRect const row = visualRect(index);
  target.zone = m_userArranged && !node->IsRoot() ? ConnectDropZone::Of(row.top(), row.height(), at.y())
                                                  : ConnectDropZone::Zone::On;
  target.effect = ConnectDropZone::EffectOf(event.modifiers());
  std::string const path = node->Path();
  // A folder is never offered as a target inside itself, nor an item as its own target.
  std::string const folder = target.zone == ConnectDropZone::Zone::On ? path : node->parent->Path();
  if (target.effect == ConnectDropZone::Effect::Refused || Within(folder, record.path) || path == record.path) return target;
  target.index = index;
  target.source = record.path;
  return target;
}

void ConnectTreeView::dragEnterEvent(QDragEnterEvent* event) {
  if (!event->mimeData()->hasFormat(ConnectTreeModel::kMimeType)) return event->ignore();
  QTreeView::dragEnterEvent(event);
  event->acceptProposedAction();
}

void ConnectTreeView::dragMoveEvent(QDragMoveEvent* event) {
  // The base view scrolls near the edges and opens a folder held under the pointer.
  QTreeView::dragMoveEvent(event);
  Target const target = TargetOf(*event);
  if (m_markIndex != target.index || m_markZone != target.zone) viewport()->update();
  m_markIndex = target.index;
  m_markZone = target.zone;
  if (!target.index.isValid()) return event->ignore();
  event->setDropAction(target.effect == ConnectDropZone::Effect::Copy ? Qt::CopyAction : Qt::MoveAction);
  event->accept();
}

void ConnectTreeView::dragLeaveEvent(QDragLeaveEvent* event) {
  QTreeView::dragLeaveEvent(event);
  ClearMark();
}

void ConnectTreeView::dropEvent(QDropEvent* event) {
  Target const target = TargetOf(*event);
  stopAutoScroll();
  setState(NoState);
  ClearMark();
  if (!target.index.isValid()) return event->ignore();
  event->setDropAction(target.effect == ConnectDropZone::Effect::Copy ? Qt::CopyAction : Qt::MoveAction);
  event->accept();
  auto const* tree = qobject_cast<ConnectTreeModel const*>(model());
  emit dropped(target.source, tree->PathOf(target.index), target.zone, target.effect);
}

void ConnectTreeView::ClearMark() {
  m_markIndex = QPersistentModelIndex();
  viewport()->update();
}

void ConnectTreeView::paintEvent(QPaintEvent* event) {
  QTreeView::paintEvent(event);
  if (!m_markIndex.isValid()) return;
  QRect const row = visualRect(m_markIndex).adjusted(0, 0, -1, -1);
  QPainter painter(viewport());
  painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
  switch (m_markZone) {
    case ConnectDropZone::Zone::Before: painter.drawLine(row.left(), row.top(), viewport()->width(), row.top()); break;
    case ConnectDropZone::Zone::After: painter.drawLine(row.left(), row.bottom(), viewport()->width(), row.bottom()); break;
    case ConnectDropZone::Zone::On: painter.drawRect(row); break;
  }
}

void ConnectTreeView::keyPressEvent(QKeyEvent* event) {
  bool const menuKey = event->key() == Qt::Key_Menu ||
                       (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
  if (!menuKey || state() == EditingState) return QTreeView::keyPressEvent(event);
  event->accept();
  QRect const row = visualRect(currentIndex());
  emit contextMenuWanted(row.isValid() ? row.center() : QPoint(0, 0));
}
