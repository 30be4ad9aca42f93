// The Connect dialog's tree view: a drag source and drop target that measures the pointer
// against the item under it and asks the dialog model what a drop there would do. It draws the
// target the model shows (the insertion mark or the highlighted folder), scrolls by the model's
// bands and lets the model's clock open the folder the pointer rests on. The Apps key and
// Shift+F10 ask for the context menu of the current item.
#pragma once

#include <QTimer>
#include <QTreeView>
#include <string>

#include "dialogs/ConnectTreeDrag.h"

class ConnectDialog;

class ConnectTreeView : public QTreeView {
  Q_OBJECT

 public:
  // How often a resting drag asks the model whether its wait is over, and scrolls.
  static constexpr int kTickMs = 50;

  ConnectTreeView(ConnectDialog& dialog, QWidget* parent);

  bool IsEditing() const { return state() == EditingState; }
  // The timer that drives the model's hover wait and the edge scrolling during a drag.
  QTimer& DragTimer() { return m_tick; }

 signals:
  // The model changed during a drag or by its drop: the window shows it again.
  void dragChanged();
  // The context menu is wanted at `at` (viewport coordinates) for the current item.
  void contextMenuWanted(QPoint const& at);

 protected:
  void startDrag(Qt::DropActions actions) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct Place {
    bool valid = false;
    std::string path;
    ConnectTreeDrag::Zone zone = ConnectTreeDrag::Zone::On;
  };

  // The item under the pointer and the zone of the pointer within it.
  Place PlaceAt(QPoint const& at) const;
  static std::string KeysOf(Qt::KeyboardModifiers modifiers);
  void Tick();
  void EndDrag();

  ConnectDialog& m_dialog;
  QTimer m_tick;
  int m_scroll = 0;
};
