// The window of a property-tree dialog (VPropertyTreeDialog and every dialog derived from it):
// the page tree on the left, the caption bar and the current page on the right, OK and Cancel
// below. Pages are drawn from their control declarations when first shown. Every selection,
// expansion, key and button goes to the model; a page that refuses to be left keeps the
// selection, and its faulty control gets the focus.
#pragma once

#include <QDialog>
#include <map>
#include <tuple>
#include <vector>

#include "VTreeControl.h"

class QLabel;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QtControlPanel;
class VPropertyTreeDialog;
class VPropertyTreePage;

class QtPropertyTreeWindow : public QDialog {
  Q_OBJECT

 public:
  QtPropertyTreeWindow(VPropertyTreeDialog& model, QWidget* parent = nullptr);

  void accept() override;
  void reject() override;

  // The panel drawing `page`; null until the page was shown.
  QtControlPanel* Panel(VPropertyTreePage const* page) const;
  QTreeWidget* Tree() const { return m_tree; }
  QLabel* Caption() const { return m_caption; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using Shape = std::vector<std::tuple<VTreeItem, VTreeItem, std::string>>;

  void SyncTree();
  void Rebuild();
  void AddItems(VTreeItem parent, QTreeWidgetItem* under);
  void ShowCurrent();
  void FitTo(QWidget* shown);
  QtControlPanel* EnsurePanel(VPropertyTreePage* page);
  void Selected(QTreeWidgetItem* item);
  void Expanded(QTreeWidgetItem* item, bool expanded);
  // Where the model left the focus after a refusal: on the faulty control.
  void FocusRefusingPage();
  void FinishIfEnded();
  bool ForwardKey(QKeyEvent const& key);

  VPropertyTreeDialog& m_model;
  QTreeWidget* m_tree;
  QLabel* m_caption;
  QStackedWidget* m_pages;
  struct Drawn {
    QtControlPanel* panel;
    VTreeItem item;  // the page's item when the panel was made: a page put back is drawn anew
  };
  std::map<VPropertyTreePage const*, Drawn> m_panels;
  std::map<VTreeItem, QTreeWidgetItem*> m_items;
  Shape m_shape;
  bool m_syncing = false;
};
