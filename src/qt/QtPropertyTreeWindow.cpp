#include "qt/QtPropertyTreeWindow.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <set>
#include <utility>

#include "VPropertyTreeDialog.h"
#include "VPropertyTreePage.h"
#include "dialogs/SessionMappedKeysPage.h"
#include "platform/types/VirtualKeys.h"
#include "qt/QtControlPanel.h"
#include "qt/QtOnScreenKeyboard.h"

namespace {

constexpr int kHandleRole = Qt::UserRole;

QLabel* MakeCaption(QWidget* parent) {
  auto* caption = new QLabel(parent);
  QFont bold = caption->font();
  bold.setWeight(QFont::Bold);
  caption->setFont(bold);
  // The colours of an inactive title: the selection colours of an inactive window.
  QPalette palette = caption->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Inactive, QPalette::Highlight));
  palette.setColor(QPalette::WindowText, palette.color(QPalette::Inactive, QPalette::HighlightedText));
  caption->setPalette(palette);
  caption->setAutoFillBackground(true);
  caption->setMargin(3);
  caption->setAccessibleName("Page caption");
  return caption;
}

// The on-screen keyboard of a key mapping page; nothing for other pages.
QtControlPanel::FieldMaker KeyboardOf(VPropertyTreePage* page) {
  auto* keys = dynamic_cast<SessionMappedKeysPage*>(page);
  if (!keys) return {};
  return [keys](VPageControl const&, QWidget* parent) {
    auto* keyboard = new QtOnScreenKeyboard(keys->Keyboard(), parent);
    return QtControlPanel::CustomField{keyboard, [keyboard] { keyboard->Refresh(); }};
  };
}

}  // namespace

QtPropertyTreeWindow::QtPropertyTreeWindow(VPropertyTreeDialog& model, QWidget* parent)
    : QDialog(parent),
      m_model(model),
      m_tree(new QTreeWidget(this)),
      m_caption(MakeCaption(this)),
      m_pages(new QStackedWidget(this)) {
  setWindowTitle(QString::fromStdString(model.WindowTitle().Str()));
  m_tree->setHeaderHidden(true);
  m_tree->setAccessibleName("Category");
  m_tree->setMinimumWidth(170);
  m_tree->setMaximumWidth(220);
  m_tree->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
  m_pages->addWidget(new QWidget(m_pages));  // shown while no page is current

  auto* right = new QVBoxLayout;
  right->addWidget(m_caption);
  right->addWidget(m_pages, 1);
  auto* body = new QHBoxLayout;
  body->addWidget(m_tree);
  body->addLayout(right, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);

  connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { Selected(item); });
  connect(m_tree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { Expanded(item, true); });
  connect(m_tree, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) { Expanded(item, false); });
  SyncTree();
  // Every page is drawn before the buttons are made, so the tab order runs tree, page, buttons.
  for (VTreeItem item : m_model.Tree().AllItems()) EnsurePanel(m_model.PageOf(item));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QtPropertyTreeWindow::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QtPropertyTreeWindow::reject);
  qApp->installEventFilter(this);

  ShowCurrent();
  m_tree->setFocus(Qt::OtherFocusReason);
  resize(680, 460);
}

QtControlPanel* QtPropertyTreeWindow::Panel(VPropertyTreePage const* page) const {
  auto const found = m_panels.find(page);
  return found == m_panels.end() ? nullptr : found->second.panel;
}

void QtPropertyTreeWindow::SyncTree() {
  VTreeControl const& tree = m_model.Tree();
  Shape shape;
  for (VTreeItem item : tree.AllItems()) shape.emplace_back(item, tree.Parent(item), tree.Label(item));
  if (shape != m_shape) {
    m_shape = std::move(shape);
    Rebuild();
  }
  m_syncing = true;
  for (auto const& [handle, item] : m_items) item->setExpanded(tree.IsExpanded(handle));
  auto const selected = m_items.find(tree.Selected());
  m_tree->setCurrentItem(selected == m_items.end() ? nullptr : selected->second);
  m_syncing = false;
}

void QtPropertyTreeWindow::Rebuild() {
  m_syncing = true;
  m_tree->clear();
  m_items.clear();
  AddItems(VTreeControl::kRoot, nullptr);
  m_syncing = false;
  // Pages taken out of the tree may be deleted by their owner: their panels go with them, found
  // through the tree alone, since such a page may no longer be there to ask.
  std::set<std::pair<VPropertyTreePage const*, VTreeItem>> inTree;
  for (VTreeItem item : m_model.Tree().AllItems()) inTree.emplace(m_model.PageOf(item), item);
  for (auto it = m_panels.begin(); it != m_panels.end();) {
    if (inTree.count({it->first, it->second.item})) {
      ++it;
      continue;
    }
    m_pages->removeWidget(it->second.panel);
    it->second.panel->deleteLater();
    it = m_panels.erase(it);
  }
}

void QtPropertyTreeWindow::AddItems(VTreeItem parent, QTreeWidgetItem* under) {
  VTreeControl const& tree = m_model.Tree();
  for (VTreeItem handle : tree.Children(parent)) {
    QStringList const label{QString::fromStdString(tree.Label(handle))};
    auto* item = under ? new QTreeWidgetItem(under, label) : new QTreeWidgetItem(m_tree, label);
    item->setData(0, kHandleRole, handle);
    m_items[handle] = item;
    AddItems(handle, item);
  }
}

void QtPropertyTreeWindow::ShowCurrent() {
  m_caption->setText(QString::fromStdString(m_model.CaptionText()));
  VPropertyTreePage* page = m_model.CurrentPage();
  if (!page) {
    m_pages->setCurrentIndex(0);
    return;
  }
  QtControlPanel* panel = EnsurePanel(page);
  panel->Refresh();
  FitTo(panel);
  m_pages->setCurrentWidget(panel);
}

// Only the page shown sets the window's minimum, so one wide page (the on-screen keyboard) widens
// the window when it is chosen instead of every page being drawn at its width.
void QtPropertyTreeWindow::FitTo(QWidget* shown) {
  for (int i = 0; i < m_pages->count(); ++i) {
    QWidget* each = m_pages->widget(i);
    QSizePolicy::Policy const policy = each == shown ? QSizePolicy::Preferred : QSizePolicy::Ignored;
    each->setSizePolicy(policy, policy);
  }
}

QtControlPanel* QtPropertyTreeWindow::EnsurePanel(VPropertyTreePage* page) {
  if (!page) return nullptr;
  if (QtControlPanel* drawn = Panel(page)) return drawn;
  auto* panel = new QtControlPanel(
      m_model, [page]() -> std::vector<VPageControl> const& { return page->Controls(); }, {}, m_pages,
      KeyboardOf(page));
  connect(panel, &QtControlPanel::Acted, this, [this] {
    SyncTree();
    ShowCurrent();
    FinishIfEnded();
  });
  m_pages->addWidget(panel);
  m_panels[page] = Drawn{panel, page->TreeItem()};
  return panel;
}

void QtPropertyTreeWindow::Selected(QTreeWidgetItem* item) {
  if (m_syncing || !item) return;
  bool const moved = m_model.SelectItem(item->data(0, kHandleRole).toInt());
  if (moved) {
    ShowCurrent();
    return;
  }
  // The click that asked is still being handled: the tree goes back once it is done.
  QMetaObject::invokeMethod(
      this,
      [this] {
        SyncTree();
        FocusRefusingPage();
      },
      Qt::QueuedConnection);
}

void QtPropertyTreeWindow::Expanded(QTreeWidgetItem* item, bool expanded) {
  if (m_syncing) return;
  m_model.ExpandItem(item->data(0, kHandleRole).toInt(), expanded);
  SyncTree();
  ShowCurrent();
}

void QtPropertyTreeWindow::FocusRefusingPage() {
  VPropertyTreePage* page = m_model.CurrentPage();
  if (QtControlPanel* panel = Panel(page)) {
    panel->Refresh();
    panel->FocusControl(page->FocusControl());
  }
}

void QtPropertyTreeWindow::FinishIfEnded() {
  if (m_model.IsEnded()) QDialog::done(m_model.EndCode());
}

void QtPropertyTreeWindow::accept() {
  m_model.OnOK();
  if (m_model.IsEnded()) return FinishIfEnded();
  SyncTree();
  ShowCurrent();
  FocusRefusingPage();
}

void QtPropertyTreeWindow::reject() {
  m_model.OnCancel();
  FinishIfEnded();
}

bool QtPropertyTreeWindow::ForwardKey(QKeyEvent const& key) {
  int virtualKey = 0;
  bool shift = key.modifiers() & Qt::ShiftModifier;
  switch (key.key()) {
    case Qt::Key_Backtab: shift = true; [[fallthrough]];
    case Qt::Key_Tab: virtualKey = VK_TAB; break;
    case Qt::Key_PageDown: virtualKey = VK_NEXT; break;
    case Qt::Key_PageUp: virtualKey = VK_PRIOR; break;
    default: return false;
  }
  VTreeItem const before = m_model.Tree().Selected();
  if (!m_model.OnKey(virtualKey, key.modifiers() & Qt::ControlModifier, shift, key.modifiers() & Qt::AltModifier))
    return false;
  SyncTree();
  ShowCurrent();
  if (m_model.Tree().Selected() == before && m_model.Tree().VisibleItems().size() > 1) FocusRefusingPage();
  return true;
}

bool QtPropertyTreeWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
  if (static_cast<QWidget*>(watched)->window() != this) return false;
  return ForwardKey(static_cast<QKeyEvent const&>(*event));
}
