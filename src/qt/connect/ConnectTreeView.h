// The Connect dialog's tree view: a drag source and drop target that finds the zone under the
// pointer (before, on or after an item), draws the insertion mark or the highlighted folder,
// and reports a drop as the source's path, the target's path, the zone and the effect of the
// keys. The Apps key and Shift+F10 ask for the context menu of the current item.
#pragma once

#include <QPersistentModelIndex>
#include <QTreeView>
#include <string>

#include "qt/connect/ConnectDropZone.h"

class ConnectTreeView : public QTreeView {
  Q_OBJECT

 public:
  explicit ConnectTreeView(QWidget* parent = nullptr);

  // In user-arranged order items can be dropped before and after a sibling; otherwise only onto one.
  void SetUserArranged(bool userArranged);
  bool IsEditing() const { return state() == EditingState; }

 signals:
  void dropped(std::string const& source, std::string const& target, ConnectDropZone::Zone zone,
               ConnectDropZone::Effect effect);
  // The context menu is wanted at `at` (viewport coordinates) for the current item.
  void contextMenuWanted(QPoint const& at);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct Target {
    QModelIndex index;
    ConnectDropZone::Zone zone = ConnectDropZone::Zone::On;
    ConnectDropZone::Effect effect = ConnectDropZone::Effect::Refused;
    std::string source;
  };

  // What a drop at the event's position would do; an invalid index when it would be refused.
  Target TargetOf(QDropEvent const& event) const;
  void ClearMark();

  bool m_userArranged = true;
  QPersistentModelIndex m_markIndex;
  ConnectDropZone::Zone m_markZone = ConnectDropZone::Zone::On;
};
