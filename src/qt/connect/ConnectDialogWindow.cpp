#include "qt/connect/ConnectDialogWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/ConnectDialog.h"
#include "qt/connect/ConnectDialogIcons.h"
#include "qt/connect/ConnectDialogSize.h"
#include "qt/connect/ConnectTreeModel.h"
#include "qt/connect/ConnectTreeView.h"

namespace {

constexpr QSize kButtonSize(26, 22);
constexpr QSize kIconSize(16, 16);

bool Shows(std::vector<int> const& ids, int id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

QString Text(std::string const& text) { return QString::fromStdString(text); }

// The window's accelerators: the key as Qt reads it and the name the dialog knows it by.
struct Key {
  char const* sequence;
  char const* name;
};

constexpr Key kKeys[] = {
    {"Alt+A", "Alt+A"},   {"Ctrl+C", "Ctrl+C"},   {"Alt+D", "Alt+D"},         {"Alt+E", "Alt+E"},
    {"Alt+F", "Alt+F"},   {"Alt+M", "Alt+M"},     {"Alt+N", "Alt+N"},         {"Alt+Q", "Alt+Q"},
    {"Alt+R", "Alt+R"},   {"Alt+T", "Alt+T"},     {"Ctrl+V", "Ctrl+V"},       {"F2", "F2"},
    {"Alt+Return", "Alt+Enter"}, {"Alt+Enter", "Alt+Enter"}, {"Ctrl+X", "Ctrl+X"}, {"Alt+X", "Alt+X"},
    {"Del", "Delete"},
};

}  // namespace

std::unique_ptr<QDialog> ConnectDialogWindow::Make(ConnectDialog& dialog, QWidget* parent) {
  return std::make_unique<ConnectDialogWindow>(dialog, parent);
}

ConnectDialogWindow::ConnectDialogWindow(ConnectDialog& dialog, QWidget* parent) : QDialog(parent), m_dialog(dialog) {
  setWindowTitle(QString::fromStdString(dialog.Title()));
  setSizeGripEnabled(true);
  if (dialog.IsEnded()) {
    // The dialog could not open (no global configuration): there is nothing to show.
    QTimer::singleShot(0, this, [this] { Finish(); });
    return;
  }
  auto* layout = new QVBoxLayout(this);
  m_toolbar = new QToolBar(this);
  m_filter = new QLineEdit(this);
  m_filter->setPlaceholderText(tr("Filter"));
  m_filter->setAccessibleName(tr("Filter"));
  m_filter->setClearButtonEnabled(true);
  m_filter->installEventFilter(this);
  m_model = new ConnectTreeModel(dialog, this);
  m_tree = new ConnectTreeView(dialog, this);
  m_tree->setModel(m_model);
  m_tree->setAccessibleName(tr("Sessions"));
  QWidget* bottom = BuildBottomRow();
  layout->addWidget(m_toolbar);
  layout->addWidget(m_filter);
  layout->addWidget(m_tree, 1);
  layout->addWidget(bottom);
  BuildToolbar();
  BuildAccelerators();
  ConnectTree();
  setTabOrder(m_filter, m_tree);
  setTabOrder(m_tree, m_showOnStartup);
  setTabOrder(m_showOnStartup, m_openInTab);
  setTabOrder(m_openInTab, m_ok);
  setTabOrder(m_ok, m_close);
  ApplySize(*bottom);
  connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
    m_dialog.ClipboardChanged();
    UpdateControls();
  });
  m_dialog.ClipboardChanged();
  Refresh();
  m_tree->setFocus();
}

ConnectDialogWindow::~ConnectDialogWindow() = default;

void ConnectDialogWindow::BuildToolbar() {
  m_toolbar->setIconSize(kIconSize);
  m_toolbar->setAccessibleName(tr("Commands"));
  bool const flat = m_dialog.FlatToolbar();
  std::vector<int> const shown = m_dialog.CommandIds();
  bool separator = false;
  for (int id : m_dialog.ToolbarButtons()) {
    if (id == ConnectDialog::kSeparator) {
      separator = !m_buttons.empty();
      continue;
    }
    if (!Shows(shown, id)) continue;
    if (separator) m_toolbar->addSeparator();
    separator = false;
    QString const tip = Text(m_dialog.ToolbarTooltip(id));
    QAction* action = m_toolbar->addAction(ConnectDialogIcons::Command(id), tip);
    action->setToolTip(tip);
    action->setStatusTip(Text(m_dialog.Prompt(id)));
    connect(action, &QAction::triggered, this, [this, id] { Act([this, id](std::string& e) { return m_dialog.Command(id, e); }); });
    auto* widget = qobject_cast<QToolButton*>(m_toolbar->widgetForAction(action));
    if (widget) {
      widget->setMinimumSize(kButtonSize);
      widget->setAutoRaise(flat);
      widget->setAccessibleName(tip);
    }
    m_buttons[id] = action;
  }
}

void ConnectDialogWindow::BuildAccelerators() {
  for (Key const& key : kKeys) {
    auto* action = new QAction(this);
    action->setShortcut(QKeySequence(QString::fromUtf8(key.sequence)));
    action->setShortcutContext(Qt::WindowShortcut);
    std::string const name = key.name;
    connect(action, &QAction::triggered, this, [this, name] { Act([this, name](std::string& e) { return m_dialog.Key(name, e); }); });
    addAction(action);
  }
}

QWidget* ConnectDialogWindow::BuildBottomRow() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  m_showOnStartup = new QCheckBox(Text(m_dialog.Label(ConnectDialog::kShowOnStartup)), row);
  m_openInTab = new QCheckBox(Text(m_dialog.Label(ConnectDialog::kOpenInTab)), row);
  m_ok = new QPushButton(Text(m_dialog.Label(ConnectDialog::kConnectButton)), row);
  m_close = new QPushButton(Text(m_dialog.Label(ConnectDialog::kCloseButton)), row);
  m_ok->setDefault(true);
  m_close->setAutoDefault(false);
  layout->addWidget(m_showOnStartup);
  layout->addWidget(m_openInTab);
  layout->addStretch(1);
  layout->addWidget(m_ok);
  layout->addWidget(m_close);
  auto checkBox = [this](QCheckBox* box, int id) {
    std::optional<bool> const checked = m_dialog.ControlChecked(id);
    box->setVisible(m_dialog.IsControlShown(id));
    box->setChecked(checked.value_or(false));
    connect(box, &QCheckBox::toggled, this, [this, id](bool on) {
      Act([this, id, on](std::string& e) { return m_dialog.SetControl(id, on ? "1" : "0", e); });
    });
  };
  checkBox(m_showOnStartup, ConnectDialog::kShowOnStartup);
  checkBox(m_openInTab, ConnectDialog::kOpenInTab);
  connect(m_ok, &QPushButton::clicked, this, [this] { Act([this](std::string&) { return m_dialog.OnOK(), true; }); });
  connect(m_close, &QPushButton::clicked, this, &ConnectDialogWindow::reject);
  return row;
}

void ConnectDialogWindow::ApplySize(QWidget const& bottomRow) {
  ConnectDialogSize const units(fontMetrics());
  QSize const minimum = units.Pixels(ConnectDialog::MinimumSize(units.UnitsAcross(bottomRow.sizeHint().width())));
  setMinimumSize(minimum);
  bool inDialogUnits = false;
  ConnectDialog::Size const initial = m_dialog.InitialSize(inDialogUnits);
  QSize const size = inDialogUnits ? units.Pixels(initial) : QSize(initial.width, initial.height);
  resize(size.expandedTo(minimum));
}

void ConnectDialogWindow::ConnectTree() {
  auto path = [this](QModelIndex const& index) { return m_model->PathOf(index); };
  connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this, [this, path](QModelIndex const& index) {
    if (m_syncing || !index.isValid()) return;
    std::string error;
    m_dialog.Select(path(index), error);
    UpdateControls();
  });
  connect(m_tree, &QTreeView::expanded, this, [this, path](QModelIndex const& index) {
    if (!m_syncing) Act([this, p = path(index)](std::string& e) { return m_dialog.Expand(p, e); });
  });
  connect(m_tree, &QTreeView::collapsed, this, [this, path](QModelIndex const& index) {
    if (!m_syncing) Act([this, p = path(index)](std::string& e) { return m_dialog.Collapse(p, e); });
  });
  connect(m_tree, &QTreeView::doubleClicked, this, [this, path](QModelIndex const& index) {
    Act([this, p = path(index)](std::string& e) { return m_dialog.DoubleClick(p, e); });
  });
  connect(m_filter, &QLineEdit::textEdited, this, [this](QString const& text) {
    Act([this, typed = text.toStdString()](std::string&) { return m_dialog.SetFilter(typed), true; });
  });
  connect(m_tree, &QWidget::customContextMenuRequested, this, &ConnectDialogWindow::ShowMenuAtPointer);
  connect(m_tree, &ConnectTreeView::contextMenuWanted, this, &ConnectDialogWindow::ShowMenu);
  connect(m_tree, &ConnectTreeView::dragChanged, this, &ConnectDialogWindow::Refresh);
  connect(m_model, &ConnectTreeModel::labelEdited, this, &ConnectDialogWindow::Refresh, Qt::QueuedConnection);
  connect(m_tree->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
          [this](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
            if (hint == QAbstractItemDelegate::RevertModelCache && m_dialog.IsEditingLabel())
              Act([this](std::string& e) { return m_dialog.CancelLabelEdit(e); });
          });
}

void ConnectDialogWindow::Act(Action const& action) {
  if (m_finished) return;
  std::string error;
  // Any action may close the dialog, which stores the placement it holds then.
  KeepPlacement();
  // A refused action (a disabled command's key) does nothing, as a greyed button would.
  action(error);
  Refresh();
}

void ConnectDialogWindow::Refresh() {
  if (m_finished) return;
  if (m_dialog.IsEnded()) return Finish();
  m_syncing = true;
  m_model->Sync();
  ApplyExpansion(QModelIndex());
  ShowSelection();
  m_syncing = false;
  if (!m_dialog.IsFiltering() && !m_filter->text().isEmpty()) m_filter->clear();
  UpdateControls();
  if (m_dialog.IsEditingLabel() && !m_tree->IsEditing()) m_tree->edit(m_tree->currentIndex());
}

void ConnectDialogWindow::ApplyExpansion(QModelIndex const& parent) {
  for (int row = 0; row < m_model->rowCount(parent); ++row) {
    QModelIndex const index = m_model->index(row, 0, parent);
    ConnectTreeNode const* node = m_model->NodeOf(index);
    if (!node->folder) continue;
    if (m_tree->isExpanded(index) != node->expanded) m_tree->setExpanded(index, node->expanded);
    if (node->expanded) ApplyExpansion(index);
  }
}

void ConnectDialogWindow::ShowSelection() {
  QModelIndex const selected = m_model->IndexOf(m_dialog.SelectedPath());
  if (!selected.isValid()) return;
  m_tree->selectionModel()->setCurrentIndex(selected, QItemSelectionModel::ClearAndSelect);
  // While dragging, the pointer's scrolling bands move the tree, not the selection.
  if (!m_dialog.Drag().IsActive()) m_tree->scrollTo(selected);
}

void ConnectDialogWindow::UpdateControls() {
  for (auto const& [id, action] : m_buttons) action->setEnabled(m_dialog.IsEnabled(id));
}

void ConnectDialogWindow::Finish() {
  if (m_finished) return;
  m_finished = true;
  done(m_dialog.EndCode());
}

void ConnectDialogWindow::reject() {
  if (m_finished) return QDialog::reject();
  Act([this](std::string&) { return m_dialog.OnCancel(), true; });
}

void ConnectDialogWindow::KeepPlacement() {
  if (m_tree) m_dialog.SetPlacement(ConnectDialogSize::Placement(QRect(pos(), size())));
}

void ConnectDialogWindow::ShowMenuAtPointer(QPoint const& at) {
  QModelIndex const index = m_tree->indexAt(at);
  if (index.isValid()) m_tree->setCurrentIndex(index);
  ShowMenu(at);
}

void ConnectDialogWindow::ShowMenu(QPoint const& at) {
  QMenu menu(this);
  for (ConnectDialog::MenuEntry const& entry : m_dialog.ContextMenu()) {
    if (entry.id == ConnectDialog::kSeparator) {
      menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(Text(entry.label));
    action->setEnabled(entry.enabled);
    action->setStatusTip(Text(m_dialog.Prompt(entry.id)));
    action->setCheckable(m_dialog.IsChecked(entry.id).has_value());
    action->setChecked(entry.checked);
    int const id = entry.id;
    connect(action, &QAction::triggered, this, [this, id] { Act([this, id](std::string& e) { return m_dialog.Command(id, e); }); });
  }
  menu.exec(m_tree->viewport()->mapToGlobal(at));
}

bool ConnectDialogWindow::FilterKey(int key) {
  if (!m_dialog.IsFiltering()) return false;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    Act([this](std::string& e) { return m_dialog.Key("Enter", e); });
    return true;
  }
  if (key == Qt::Key_Escape) {
    Act([this](std::string& e) { return m_dialog.Key("Escape", e); });
    return true;
  }
  return false;
}

bool ConnectDialogWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_filter && event->type() == QEvent::KeyPress && FilterKey(static_cast<QKeyEvent*>(event)->key()))
    return true;
  return QDialog::eventFilter(watched, event);
}
