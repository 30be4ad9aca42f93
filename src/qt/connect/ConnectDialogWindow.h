// The Connect dialog's window: the toolbar, the filter box, the tree of sessions, the two check
// boxes and the two buttons. Every click, key, edit and drop goes to the dialog model as its
// command; after each the window shows the model again and ends once the model has ended.
#pragma once

#include <QDialog>
#include <functional>
#include <map>
#include <memory>
#include <string>


class ConnectDialog;
class ConnectTreeModel;
class ConnectTreeView;
class QCheckBox;
class QModelIndex;
class QLineEdit;
class QPushButton;
class QToolBar;
class QAction;

class ConnectDialogWindow : public QDialog {
  Q_OBJECT

 public:
  ConnectDialogWindow(ConnectDialog& dialog, QWidget* parent);
  ~ConnectDialogWindow() override;

  static std::unique_ptr<QDialog> Make(ConnectDialog& dialog, QWidget* parent);

  ConnectTreeView* Tree() const { return m_tree; }
  ConnectTreeModel* TreeModel() const { return m_model; }

 public slots:
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using Action = std::function<bool(std::string&)>;

  void BuildToolbar();
  void BuildAccelerators();
  QWidget* BuildBottomRow();
  void ApplySize(QWidget const& bottomRow);
  void ConnectTree();

  // Runs one action of the model, then shows the model again.
  void Act(Action const& action);
  void Refresh();
  void ShowSelection();
  void ApplyExpansion(QModelIndex const& parent);
  void UpdateControls();
  void Finish();
  void ShowMenu(QPoint const& at);
  void ShowMenuAtPointer(QPoint const& at);
  // Hands the window's normal rectangle to the model, which stores it as it closes.
  void KeepPlacement();
  bool FilterKey(int key);

  ConnectDialog& m_dialog;
  ConnectTreeModel* m_model = nullptr;
  ConnectTreeView* m_tree = nullptr;
  QToolBar* m_toolbar = nullptr;
  std::map<int, QAction*> m_buttons;
  QLineEdit* m_filter = nullptr;
  QCheckBox* m_showOnStartup = nullptr;
  QCheckBox* m_openInTab = nullptr;
  QPushButton* m_ok = nullptr;
  QPushButton* m_close = nullptr;
  bool m_syncing = false;
  bool m_finished = false;
};
