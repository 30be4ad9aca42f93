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

#include "database/GlobalConfig.h"
#include "database/GlobalConfigInstance.h"
#include "dialogs/ConnectDialog.h"
#include "qt/connect/ConnectDialogCommandTexts.h"
#include "qt/connect/ConnectDialogIcons.h"
#include "qt/connect/ConnectDialogSize.h"
#include "qt/connect/ConnectTreeModel.h"
#include "qt/connect/ConnectTreeView.h"

namespace Texts = ConnectDialogCommandTexts;

namespace {

constexpr QSize kButtonSize(26, 22);
constexpr QSize kIconSize(16, 16);

bool Shows(std::vector<int> const& ids, int id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

bool SessionOnly(int id) { return std::find(Texts::kSessionOnly.begin(), Texts::kSessionOnly.end(), id) != Texts::kSessionOnly.end(); }

GlobalConfig* Options() {
  GlobalConfig* config = nullptr;
  GetGlobalConfig(config);
  return config;
}

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
  m_tree = new ConnectTreeView(this);
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
  GlobalConfig const* options = Options();
  bool const flat = options && options->useFlatToolbar != 0;
  std::vector<int> const ids = m_dialog.CommandIds();
  bool separator = false;
  for (Texts::Text const& button : Texts::kToolbar) {
    if (button.id == Texts::kSeparator) {
      separator = !m_buttons.empty();
      continue;
    }
    if (!Shows(ids, button.id)) continue;
    if (separator) m_toolbar->addSeparator();
    separator = false;
    QString const tip = QString::fromUtf8(button.text).left(Texts::kTooltipLength);
    QAction* action = m_toolbar->addAction(ConnectDialogIcons::Command(button.id), tip);
    action->setToolTip(tip);
    int const id = button.id;
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
  for (Texts::Key const& key : Texts::kKeys) {
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
  bool const browse = m_dialog.IsBrowseMode();
  m_showOnStartup = new QCheckBox(tr("&Show dialog on startup"), row);
  m_openInTab = new QCheckBox(tr("&Open in a tab"), row);
  m_ok = new QPushButton(browse ? tr("OK") : tr("&Connect"), row);
  m_close = new QPushButton(browse ? tr("Cancel") : tr("Close"), row);
  m_ok->setDefault(true);
  m_close->setAutoDefault(false);
  layout->addWidget(m_showOnStartup);
  layout->addWidget(m_openInTab);
  layout->addStretch(1);
  layout->addWidget(m_ok);
  layout->addWidget(m_close);
  auto checkBox = [this](QCheckBox* box, int id) {
    std::optional<bool> const checked = m_dialog.ControlChecked(id);
    box->setVisible(checked.has_value());
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
  ConnectDialogSize const sizes(fontMetrics());
  QSize const minimum = sizes.Minimum(bottomRow.sizeHint().width());
  setMinimumSize(minimum);
  GlobalConfig const* options = Options();
  std::optional<QSize> const stored =
      options ? ConnectDialogSize::Stored(static_cast<WINDOWPLACEMENT const&>(options->connectDialogSize)) : std::nullopt;
  resize(stored.value_or(sizes.Default()).expandedTo(minimum));
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
  connect(m_tree, &ConnectTreeView::dropped, this, &ConnectDialogWindow::Drop);
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
  m_tree->scrollTo(selected);
}

void ConnectDialogWindow::UpdateControls() {
  for (auto const& [id, action] : m_buttons) action->setEnabled(m_dialog.IsEnabled(id));
  std::optional<bool> const userArranged = m_dialog.IsChecked(ConnectDialog::kUserArranged);
  m_tree->SetUserArranged(userArranged.value_or(true));
}

void ConnectDialogWindow::Finish() {
  if (m_finished) return;
  m_finished = true;
  if (GlobalConfig* options = Options(); options && m_tree)
    options->connectDialogSize = ConnectDialogSize::Placement(QRect(pos(), size()));
  done(m_dialog.EndCode());
}

void ConnectDialogWindow::reject() {
  if (m_finished) return QDialog::reject();
  Act([this](std::string&) { return m_dialog.OnCancel(), true; });
}

void ConnectDialogWindow::ShowMenuAtPointer(QPoint const& at) {
  QModelIndex const index = m_tree->indexAt(at);
  if (index.isValid()) m_tree->setCurrentIndex(index);
  ShowMenu(at);
}

void ConnectDialogWindow::ShowMenu(QPoint const& at) {
  ConnectTreeItem const* selected = m_dialog.Selected();
  bool const session = selected && !selected->IsFolder();
  std::vector<int> const ids = m_dialog.CommandIds();
  QMenu menu(this);
  bool separator = false;
  for (Texts::Text const& entry : Texts::kMenu) {
    if (entry.id == Texts::kSeparator) {
      separator = !menu.isEmpty();
      continue;
    }
    if (!Shows(ids, entry.id) || (!session && SessionOnly(entry.id))) continue;
    if (separator) menu.addSeparator();
    separator = false;
    QAction* action = menu.addAction(QString::fromUtf8(entry.text));
    action->setEnabled(m_dialog.IsEnabled(entry.id));
    if (std::optional<bool> const checked = m_dialog.IsChecked(entry.id)) {
      action->setCheckable(true);
      action->setChecked(*checked);
    }
    int const id = entry.id;
    connect(action, &QAction::triggered, this, [this, id] { Act([this, id](std::string& e) { return m_dialog.Command(id, e); }); });
  }
  menu.exec(m_tree->viewport()->mapToGlobal(at));
}

void ConnectDialogWindow::Drop(std::string const& source, std::string const& target, ConnectDropZone::Zone zone,
                               ConnectDropZone::Effect effect) {
  using Zone = ConnectDropZone::Zone;
  QModelIndex const targetIndex = m_model->IndexOf(target);
  QModelIndex const sourceIndex = m_model->IndexOf(source);
  ConnectTreeNode const* onto = m_model->NodeOf(targetIndex);
  ConnectTreeNode const* moved = m_model->NodeOf(sourceIndex);
  if (!onto || !moved) return;
  // A paste onto a session lands right after it: "before" is a paste onto the session above.
  if (zone != Zone::On) {
    bool const sessions = !moved->folder && !onto->folder;
    ConnectTreeNode const* above = nullptr;
    for (auto const& sibling : onto->parent->children) {
      if (sibling.get() == onto) break;
      if (!sibling->folder && sibling.get() != moved) above = sibling.get();
    }
    if (!sessions || (zone == Zone::Before && !above)) return;
    if (zone == Zone::Before) onto = above;
  }
  std::string const place = onto->Path();
  int const take = effect == ConnectDropZone::Effect::Copy ? ConnectDialog::kCopy : ConnectDialog::kCut;
  Act([this, source, place, take](std::string& e) {
    return m_dialog.Select(source, e) && m_dialog.Command(take, e) && m_dialog.Select(place, e) &&
           m_dialog.Command(ConnectDialog::kPaste, e);
  });
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
