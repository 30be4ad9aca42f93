#include "qt/connect/ConnectTreeView.h"

#include <QDragMoveEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>

#include "dialogs/ConnectDialog.h"
#include "qt/connect/ConnectTreeModel.h"

namespace {

using Zone = ConnectTreeDrag::Zone;
using Effect = ConnectTreeDrag::Effect;

Qt::DropAction ActionOf(Effect effect) {
  switch (effect) {
    case Effect::Move: return Qt::MoveAction;
    case Effect::Copy: return Qt::CopyAction;
    case Effect::None: break;
  }
  return Qt::IgnoreAction;
}

}  // namespace

ConnectTreeView::ConnectTreeView(ConnectDialog& dialog, QWidget* parent) : QTreeView(parent), m_dialog(dialog) {
  setHeaderHidden(true);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDropIndicatorShown(false);
  setDragDropMode(QAbstractItemView::DragDrop);
  setDefaultDropAction(Qt::MoveAction);
  // The model's bands and wait decide scrolling and opening, not Qt's own timers.
  setAutoScroll(false);
  setAutoExpandDelay(-1);
  setExpandsOnDoubleClick(false);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setContextMenuPolicy(Qt::CustomContextMenu);
  m_tick.setInterval(kTickMs);
  connect(&m_tick, &QTimer::timeout, this, &ConnectTreeView::Tick);
}

ConnectTreeView::Place ConnectTreeView::PlaceAt(QPoint const& at) const {
  auto const* tree = qobject_cast<ConnectTreeModel const*>(model());
  QModelIndex const index = indexAt(at);
  if (!tree || !index.isValid()) return {};
  QRect const row = visualRect(index);
  return {true, tree->PathOf(index), ConnectTreeDrag::ZoneAt(at.y() - row.top(), row.height())};
}

std::string ConnectTreeView::KeysOf(Qt::KeyboardModifiers modifiers) {
  std::string keys;
  auto add = [&keys](char const* key) { keys += (keys.empty() ? "" : "+") + std::string(key); };
  if (modifiers & Qt::ControlModifier) add("ctrl");
  if (modifiers & Qt::AltModifier) add("alt");
  if (modifiers & Qt::ShiftModifier) add("shift");
  // A key the model has no word for refuses the drop, as any other combination does.
  if (modifiers & Qt::MetaModifier) add("meta");
  return keys.empty() ? "none" : keys;
}

void ConnectTreeView::startDrag(Qt::DropActions actions) {
  auto const* tree = qobject_cast<ConnectTreeModel const*>(model());
  std::string error;
  if (!tree || !m_dialog.BeginDrag(tree->PathOf(currentIndex()), error)) return;
  QTreeView::startDrag(actions);
  EndDrag();
}

void ConnectTreeView::dragEnterEvent(QDragEnterEvent* event) {
  QByteArray const bytes = event->mimeData()->data(ConnectTreeModel::kMimeType);
  std::string error;
  // A drag begun here is under way already; one from elsewhere brings its record.
  bool const ours = event->source() == this && m_dialog.Drag().IsActive();
  if (!ours && !m_dialog.DragEnter(std::vector<unsigned char>(bytes.begin(), bytes.end()), error)) return event->ignore();
  event->acceptProposedAction();
  m_tick.start();
}

void ConnectTreeView::dragMoveEvent(QDragMoveEvent* event) {
  QPoint const at = event->position().toPoint();
  m_scroll = ConnectTreeDrag::ScrollAt(at.y(), viewport()->height());
  Place const place = PlaceAt(at);
  Effect effect = Effect::None;
  std::string error;
  if (place.valid) m_dialog.DragOver(place.path, place.zone, KeysOf(event->modifiers()), effect, error);
  emit dragChanged();
  viewport()->update();
  if (effect == Effect::None) return event->ignore();
  event->setDropAction(ActionOf(effect));
  event->accept();
}

void ConnectTreeView::dragLeaveEvent(QDragLeaveEvent* event) {
  QTreeView::dragLeaveEvent(event);
  m_dialog.DragLeave();
  EndDrag();
}

void ConnectTreeView::dropEvent(QDropEvent* event) {
  Place const place = PlaceAt(event->position().toPoint());
  Effect effect = Effect::None;
  std::string error;
  std::string const keys = KeysOf(event->modifiers());
  if (place.valid) m_dialog.DragOver(place.path, place.zone, keys, effect, error);
  if (!place.valid || !m_dialog.Drop(place.path, place.zone, keys, error)) m_dialog.DragLeave();
  EndDrag();
  setState(NoState);
  if (effect == Effect::None) return event->ignore();
  // The model has moved or copied the item itself: the source view must not remove anything.
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

void ConnectTreeView::Tick() {
  if (!m_dialog.Drag().IsActive()) return EndDrag();
  if (m_scroll != 0) verticalScrollBar()->setValue(verticalScrollBar()->value() + m_scroll * verticalScrollBar()->singleStep());
  m_dialog.DragTick();
  emit dragChanged();
}

void ConnectTreeView::EndDrag() {
  m_tick.stop();
  m_scroll = 0;
  emit dragChanged();
  viewport()->update();
}

void ConnectTreeView::paintEvent(QPaintEvent* event) {
  QTreeView::paintEvent(event);
  ConnectTreeDrag const& drag = m_dialog.Drag();
  auto const* tree = qobject_cast<ConnectTreeModel const*>(model());
  if (!tree || !drag.IsActive() || !drag.TargetOffered()) return;
  QModelIndex const index = tree->IndexOf(drag.TargetPath());
  if (!index.isValid()) return;
  QRect const row = visualRect(index).adjusted(0, 0, -1, -1);
  QPainter painter(viewport());
  painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
  switch (drag.TargetZone()) {
    case Zone::Before: painter.drawLine(row.left(), row.top(), viewport()->width(), row.top()); break;
    case Zone::After: painter.drawLine(row.left(), row.bottom(), viewport()->width(), row.bottom()); break;
    case Zone::On: painter.drawRect(row); break;
  }
}

void ConnectTreeView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && m_dialog.Drag().IsActive()) {
    m_dialog.DragLeave();
    return EndDrag();
  }
  bool const menuKey = event->key() == Qt::Key_Menu ||
                       (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
  if (!menuKey || state() == EditingState) return QTreeView::keyPressEvent(event);
  event->accept();
  QRect const row = visualRect(currentIndex());
  emit contextMenuWanted(row.isValid() ? row.center() : QPoint(0, 0));
}
