// The Connect dialog's window driven as a user drives it (clicks, keys, typing, drops) on a
// store of its own, checked against the dialog model and the store.
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "connectdialog/database/GlobalConfigWorld.h"
#include "database/GlobalConfig.h"
#include "database/SessionDatabase.h"
#include "dialogs/ConnectDialog.h"
#include "dialogs/ShortcutNameDialog.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "qt/ConnectDialogQtInit.h"
#include "qt/QtDialogPresenter.h"
#include "qt/connect/ConnectDialogWindow.h"
#include "qt/connect/ConnectTreeModel.h"
#include "qt/connect/ConnectTreeView.h"
#include "session/ISessionConfig.h"
#include "session/SessionConfig.h"
#include "support/FakeClock.h"
#include "support/ListNames.h"

namespace {

using Zone = ConnectTreeDrag::Zone;

// One row of each table below: QTest hands it to the test whole, as one column.
struct Mode { bool browse; QString toolbar, buttons, checks; };
struct Deletion { int answer; QString lab, selected; };
struct Drop { QString source, target; Zone zone; Qt::KeyboardModifiers keys; QString lab, other; };
struct ShortcutKey { Qt::Key key; int code; QString label; };
struct MenuKey { QString path; Qt::Key key; Qt::KeyboardModifiers modifiers; QString entries; };

void AddFolder(std::string const& parent, std::string const& name) {
  QVERIFY(SessionDatabase(0).InsertFolder(parent.c_str(), name.c_str(), "", true));
}

void AddSession(std::string const& folder, std::string const& name) {
  ISessionConfig* session = CreateSessionConfig(name.c_str(), nullptr);
  QVERIFY(SessionDatabase(0).InsertSession(folder.c_str(), name.c_str(), session, "", true));
  session->Release();
}

// The folder's folders, then its sessions, as the store lists them: "a,b|s1,s2".
QString Stored(std::string const& folder) {
  SessionDatabase database(0);
  CStringList folders, sessions;
  database.GetFolderList(folder.c_str(), folders);
  database.GetSessionList(folder.c_str(), sessions);
  auto join = [](CStringList& list) {
    QStringList names;
    for (std::string const& name : ListNames(list)) names << QString::fromStdString(name);
    return names.join(',');
  };
  return join(folders) + "|" + join(sessions);
}

// The paths the window's tree shows, in display order, the root as "".
QStringList ShownRows(ConnectDialogWindow& window, QModelIndex const& parent = {}) {
  QStringList rows;
  ConnectTreeModel* model = window.TreeModel();
  for (int row = 0; row < model->rowCount(parent); ++row) {
    QModelIndex const index = model->index(row, 0, parent);
    rows << QString::fromStdString(model->PathOf(index));
    if (window.Tree()->isExpanded(index)) rows << ShownRows(window, index);
  }
  return rows;
}

QPushButton* ButtonNamed(QWidget& window, QString const& text) {
  for (QPushButton* button : window.findChildren<QPushButton*>())
    if (button->text() == text) return button;
  return nullptr;
}

QToolButton* Button(QWidget& window, QString const& name) {
  for (QToolButton* button : window.findChildren<QToolButton*>())
    if (button->accessibleName() == name) return button;
  return nullptr;
}

// The line edit of an in-place label edit; null when none is open.
QLineEdit* LabelEditor(ConnectDialogWindow& window) {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  for (QLineEdit* editor : window.Tree()->viewport()->findChildren<QLineEdit*>())
    if (editor->isVisible()) return editor;
  return nullptr;
}

}  // namespace

Q_DECLARE_METATYPE(Mode)
Q_DECLARE_METATYPE(Deletion)
Q_DECLARE_METATYPE(Drop)
Q_DECLARE_METATYPE(ShortcutKey)
Q_DECLARE_METATYPE(MenuKey)

class ConnectDialogWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ConnectDialogQtInit(); }

  // Root: folders Lab (s1, s2, s3) and Other (empty), user-arranged.
  void init() {
    m_world = std::make_unique<GlobalConfigWorld>();
    SetUserInterface(&m_ui);
    GetGlobalConfig(m_config);
    m_config->sortAlphabetical = 0;
    AddFolder("", "Lab");
    AddFolder("", "Other");
    for (char const* name : {"s1", "s2", "s3"}) AddSession("Lab", name);
    QGuiApplication::clipboard()->clear();
    m_dialog = std::make_unique<ConnectDialog>("Sessions", false, false);
    m_dialog->Open();
    m_window = std::make_unique<ConnectDialogWindow>(*m_dialog, nullptr);
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
  }

  void cleanup() {
    m_window.reset();
    m_dialog.reset();
    SetUserInterface(nullptr);
    m_ui = HeadlessUserInterface();
    m_world.reset();
  }

  void theToolbarAndButtonsFollowTheMode_data() {
    QString const common = "New Session,|,Cut,Copy,Paste,|,Delete,Properties,|,New Folder,|,Create Shortcut,|,Help";
    QTest::addColumn<Mode>("mode");
    QTest::newRow("connect") << Mode{false, "Connect,Quick Connect,|," + common, "&Connect,Close",
                                     "&Show dialog on startup,&Open in a tab"};
    QTest::newRow("browse") << Mode{true, common, "OK,Cancel", ""};
  }
  void theToolbarAndButtonsFollowTheMode() {
    QFETCH(Mode, mode);
    bool const browse = mode.browse;
    std::unique_ptr<ConnectDialog> dialog = browse ? ConnectDialog::Browser("Pick", "Lab") : std::make_unique<ConnectDialog>("Sessions", false, false);
    dialog->Open();
    ConnectDialogWindow window(*dialog, nullptr);
    window.show();
    QStringList tips, pushed, checked;
    for (QAction* action : window.findChild<QToolBar*>()->actions())
      tips << (action->isSeparator() ? QStringLiteral("|") : action->toolTip());
    for (QPushButton* button : window.findChildren<QPushButton*>()) pushed << button->text();
    for (QCheckBox* box : window.findChildren<QCheckBox*>())
      if (box->isVisible()) checked << box->text();
    QCOMPARE(tips.join(','), mode.toolbar);
    QCOMPARE(pushed.join(','), mode.buttons);
    QCOMPARE(checked.join(','), mode.checks);
    QVERIFY(!Button(window, "Paste")->isEnabled());
    // The root is selected, unless browsing from Lab.
    QCOMPARE(Button(window, "Delete")->isEnabled(), browse);
  }

  void deletingASessionFromTheToolbarAsksFirst_data() {
    QTest::addColumn<Deletion>("c");
    QTest::newRow("yes") << Deletion{IDYES, "|s1,s3", "Lab\\s3"};
    QTest::newRow("no") << Deletion{IDNO, "|s1,s2,s3", "Lab\\s2"};
  }
  void deletingASessionFromTheToolbarAsksFirst() {
    QFETCH(Deletion, c);
    SelectRow("Lab\\s2");
    m_ui.Script(c.answer);
    QTest::mouseClick(Button(*m_window, "Delete"), Qt::LeftButton);
    QCOMPARE(m_ui.Shown().size(), size_t{1});
    QCOMPARE(m_ui.Shown()[0].text, std::string("Are you sure you want to delete this session?"));
    QCOMPARE(Stored("Lab"), c.lab);
    QCOMPARE(QString::fromStdString(m_dialog->SelectedPath()), c.selected);
    QCOMPARE(m_window->Tree()->currentIndex(), m_window->TreeModel()->IndexOf(c.selected.toStdString()));
    QCOMPARE(ShownRows(*m_window).contains("Lab\\s2"), c.answer != IDYES);
  }

  // Each refusal's message is the dialog model's test; here the window's part: the edit reopens.
  void aRefusedNameIsReportedAndTheEditStaysOpen() {
    SelectRow("Lab\\s1");
    QTest::keyClick(m_window->Tree(), Qt::Key_F2);
    QLineEdit* editor = LabelEditor(*m_window);
    QVERIFY(editor);
    Type(editor, "a:b");
    QCOMPARE(m_ui.Shown().back().text, std::string("Rename error.\n\nName cannot contain: ' : '"));
    QCOMPARE(Stored("Lab"), QStringLiteral("|s1,s2,s3"));
    QVERIFY(m_dialog->IsEditingLabel());
    editor = LabelEditor(*m_window);
    QVERIFY2(editor, "the edit reopens");
    QCOMPARE(editor->text(), QStringLiteral("s1"));
    Type(editor, "core");
    QCOMPARE(Stored("Lab"), QStringLiteral("|core,s2,s3"));
    QVERIFY(!m_dialog->IsEditingLabel());
    QVERIFY(!LabelEditor(*m_window));
    QCOMPARE(m_window->Tree()->currentIndex(), m_window->TreeModel()->IndexOf("Lab\\core"));
  }

  void escapeInTheEditorCancelsIt() {
    SelectRow("Lab\\s1");
    QTest::keyClick(m_window->Tree(), Qt::Key_F2);
    QLineEdit* editor = LabelEditor(*m_window);
    QVERIFY(editor);
    QTest::keyClicks(editor, "x");
    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY(!m_dialog->IsEditingLabel());
    QVERIFY2(m_window->isVisible(), "Escape ends the edit, not the dialog");
    QCOMPARE(Stored("Lab"), QStringLiteral("|s1,s2,s3"));
  }

  void typingIntoTheFilterShowsTheMatchesAndEscapeRestores() {
    SelectRow("Other");
    auto* filter = m_window->findChild<QLineEdit*>();
    QTest::keyClicks(filter, "s2");
    QCOMPARE(ShownRows(*m_window), (QStringList{"", "Lab", "Lab\\s2"}));
    QCOMPARE(m_window->Tree()->currentIndex(), m_window->TreeModel()->IndexOf("Lab\\s2"));
    QTest::keyClick(filter, Qt::Key_Backspace);
    QCOMPARE(ShownRows(*m_window), (QStringList{"", "Lab", "Lab\\s1", "Lab\\s2", "Lab\\s3"}));
    QTest::keyClick(filter, Qt::Key_Escape);
    QVERIFY(!m_dialog->IsFiltering());
    QVERIFY(filter->text().isEmpty());
    QVERIFY(m_window->isVisible());
    QCOMPARE(QString::fromStdString(m_dialog->SelectedPath()), QStringLiteral("Other"));
    QCOMPARE(m_window->Tree()->currentIndex(), m_window->TreeModel()->IndexOf("Other"));
  }

  void dropsFollowTheirZoneAndKeys_data() {
    QTest::addColumn<Drop>("c");
    QTest::newRow("before a sibling") << Drop{"Lab\\s3", "Lab\\s2", Zone::Before, {}, "|s1,s3,s2", "|"};
    QTest::newRow("after a sibling") << Drop{"Lab\\s1", "Lab\\s3", Zone::After, {}, "|s2,s3,s1", "|"};
    QTest::newRow("onto a folder") << Drop{"Lab\\s1", "Other", Zone::On, {}, "|s2,s3", "|s1"};
    QTest::newRow("Alt moves") << Drop{"Lab\\s1", "Other", Zone::On, Qt::AltModifier, "|s2,s3", "|s1"};
    QTest::newRow("Ctrl copies") << Drop{"Lab\\s1", "Other", Zone::On, Qt::ControlModifier, "|s1,s2,s3", "|s1"};
    QTest::newRow("Shift refuses") << Drop{"Lab\\s1", "Other", Zone::On, Qt::ShiftModifier, "|s1,s2,s3", "|"};
    QTest::newRow("a folder into itself") << Drop{"Lab", "Lab\\s2", Zone::On, {}, "|s1,s2,s3", "|"};
  }
  void dropsFollowTheirZoneAndKeys() {
    QFETCH(Drop, c);
    m_window->Tree()->expand(m_window->TreeModel()->IndexOf("Lab"));
    Drag(c.source.toStdString(), c.target.toStdString(), c.zone, c.keys);
    QCOMPARE(Stored("Lab"), c.lab);
    QCOMPARE(Stored("Other"), c.other);
    QVERIFY(m_ui.Shown().empty());
  }

  void restingOnAFolderOpensItOnceTheModelsClockSaysSo() {
    FakeClock clock;
    std::unique_ptr<QMimeData> mime = RecordOf("Other");
    QCOMPARE(DragTo(*mime, PointIn("Lab", Zone::On), Qt::NoModifier), Qt::MoveAction);
    clock.Advance(ConnectTreeDrag::kUserArrangedWait - 1);
    Tick();
    QVERIFY(!m_window->Tree()->isExpanded(m_window->TreeModel()->IndexOf("Lab")));
    clock.Advance(1);
    Tick();
    QCOMPARE(ShownRows(*m_window), (QStringList{"", "Lab", "Lab\\s1", "Lab\\s2", "Lab\\s3", "Other"}));
    QTest::keyClick(m_window->Tree(), Qt::Key_Escape);
    QVERIFY(!m_dialog->Drag().IsActive());
    QVERIFY(!m_window->Tree()->DragTimer().isActive());
    QVERIFY2(m_window->isVisible(), "Escape ends the drag, not the dialog");
  }

  void theTreeScrollsByALineInTheBandsAtItsEdges() {
    ConnectTreeView* tree = m_window->Tree();
    tree->expand(m_window->TreeModel()->IndexOf("Lab"));
    tree->setFixedHeight(tree->sizeHintForRow(0) * 3);
    QApplication::sendPostedEvents();
    QScrollBar* bar = tree->verticalScrollBar();
    QVERIFY(bar->maximum() >= 2);
    bar->setValue(1);
    std::unique_ptr<QMimeData> mime = RecordOf("Other");
    int const height = tree->viewport()->height();
    struct Case { int y; int step; } const cases[] = {{height - 2, 1}, {height / 2, 0}, {1, -1}};
    for (Case const& c : cases) {
      int const before = bar->value();
      DragTo(*mime, QPoint(5, c.y), Qt::NoModifier);
      Tick();
      QCOMPARE(bar->value() - before, c.step);
    }
    m_dialog->DragLeave();
  }

  void theShortcutNameWindowHandsTheTypedLabelToItsModel_data() {
    QTest::addColumn<ShortcutKey>("c");
    QTest::newRow("Enter") << ShortcutKey{Qt::Key_Return, IDOK, "edge"};
    QTest::newRow("Escape") << ShortcutKey{Qt::Key_Escape, IDCANCEL, "s1"};
  }
  void theShortcutNameWindowHandsTheTypedLabelToItsModel() {
    QFETCH(ShortcutKey, c);
    ShortcutNameDialog model("Lab\\s1", "s1");
    QTimer::singleShot(0, [key = c.key] {
      auto* edit = QApplication::activeModalWidget()->findChild<QLineEdit*>();
      QVERIFY(edit);
      QCOMPARE(edit->text(), QStringLiteral("s1"));
      QCOMPARE(edit->accessibleName(), QString(ShortcutNameDialog::kPrompt));
      edit->selectAll();
      QTest::keyClicks(edit, "edge");
      QTest::keyClick(edit, key);
    });
    QCOMPARE(GetQtDialogPresenter().RunModal(model), c.code);
    QCOMPARE(QString::fromStdString(model.Label()), c.label);
  }

  void theMenuKeysOpenTheMenuOfTheSelectedKind_data() {
    QString const tail = ",|,User &Arranged Tree*,Sho&w Descriptions*";
    QTest::addColumn<MenuKey>("c");
    QTest::newRow("session, Apps key") << MenuKey{"Lab\\s1", Qt::Key_Menu, {},
        "-Connect T&erminal,-Connect &File Transfer,-Connect &Both,|,&Quick Connect,&New Session,|,Cu&t,&Copy,-&Paste,|,"
        "&Delete,Rena&me,P&roperties,|,New &Folder,&Import Sessions...,Cr&eate Desktop Shortcut" + tail};
    QTest::newRow("folder, Shift+F10") << MenuKey{"Lab", Qt::Key_F10, Qt::ShiftModifier,
        "&Quick Connect,&New Session,|,Cu&t,&Copy,-&Paste,|,&Delete,Rena&me,|,New &Folder,&Import Sessions..." + tail};
    QTest::newRow("root, Apps key") << MenuKey{"", Qt::Key_Menu, {},
        "&Quick Connect,&New Session,|,-Cu&t,-&Copy,-&Paste,|,-&Delete,-Rena&me,|,New &Folder,&Import Sessions..." + tail};
  }
  void theMenuKeysOpenTheMenuOfTheSelectedKind() {
    QFETCH(MenuKey, c);
    SelectRow(c.path.toStdString());
    QStringList shown;
    QTimer::singleShot(0, [&shown] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      QVERIFY(menu);
      for (QAction* action : menu->actions())
        shown << (action->isSeparator() ? QStringLiteral("|")
                                        : (action->isEnabled() ? "" : "-") + action->text().section('\t', 0, 0) +
                                              (action->isChecked() ? "*" : ""));
      menu->close();
    });
    QTest::keyClick(m_window->Tree(), c.key, c.modifiers);
    QCOMPARE(shown.join(','), c.entries);
  }

  void theItemModelStaysConsistentThroughFillingExpandingFilteringAndChanges() {
    QAbstractItemModelTester tester(m_window->TreeModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_window->Tree()->expand(m_window->TreeModel()->IndexOf("Lab"));
    QCOMPARE(ShownRows(*m_window), (QStringList{"", "Lab", "Lab\\s1", "Lab\\s2", "Lab\\s3", "Other"}));
    auto* filter = m_window->findChild<QLineEdit*>();
    QTest::keyClicks(filter, "s3");
    QTest::keyClick(filter, Qt::Key_Escape);
    SelectRow("Lab\\s1");
    m_ui.Script(IDYES);
    QTest::keyClick(m_window->Tree(), Qt::Key_Delete);
    QCOMPARE(Stored("Lab"), QStringLiteral("|s2,s3"));
    QTest::keyClick(m_window->Tree(), Qt::Key_F, Qt::AltModifier);
    QLineEdit* editor = LabelEditor(*m_window);
    QVERIFY(editor);
    Type(editor, "Fresh");
    QCOMPARE(Stored("Lab"), QStringLiteral("Fresh|s2,s3"));
    QTest::keyClick(m_window->Tree(), Qt::Key_A, Qt::AltModifier);
    QCOMPARE(ShownRows(*m_window).size(), 6);
  }

  void closingStoresTheSizeAndTheNextShowingTakesIt() {
    m_window.reset();
    m_config->connectDialogSize = WINDOWPLACEMENT{};
    QSize shown;
    ConnectDialog first("Sessions", false, false);
    QTimer::singleShot(0, [&shown] {
      auto* window = qobject_cast<ConnectDialogWindow*>(QApplication::activeModalWidget());
      QVERIFY(window);
      window->resize(window->minimumSize() + QSize(40, 30));
      shown = window->size();
      QTest::mouseClick(ButtonNamed(*window, "Close"), Qt::LeftButton);
    });
    QCOMPARE(GetQtDialogPresenter().RunModal(first), IDCANCEL);
    RECT const& stored = m_config->connectDialogSize.Current().rcNormalPosition;
    QCOMPARE(QSize(stored.right - stored.left, stored.bottom - stored.top), shown);
    ConnectDialog second("Sessions", false, false);
    QTimer::singleShot(0, [&shown] {
      QWidget* window = QApplication::activeModalWidget();
      QCOMPARE(window->size(), shown);
      QTest::keyClick(window, Qt::Key_Escape);
    });
    QCOMPARE(GetQtDialogPresenter().RunModal(second), IDCANCEL);
  }

  void theSmallestSizeKeepsTheBottomRowWhole() {
    m_window->resize(1, 1);
    QVERIFY(m_window->width() >= m_window->findChild<QPushButton*>()->parentWidget()->sizeHint().width());
    QVERIFY(m_window->height() > 0);
  }

 private:
  void SelectRow(std::string const& path) {
    for (size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1))
      m_window->Tree()->expand(m_window->TreeModel()->IndexOf(path.substr(0, at)));
    QModelIndex const index = m_window->TreeModel()->IndexOf(path);
    QVERIFY(index.isValid());
    QTest::mouseClick(m_window->Tree()->viewport(), Qt::LeftButton, {}, m_window->Tree()->visualRect(index).center());
    QCOMPARE(m_dialog->SelectedPath(), path);
  }

  // Replaces the editor's text by `text` and presses Enter, then lets the window take the result.
  static void Type(QLineEdit* editor, QString const& text) {
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The editor commits through a posted call, and the window takes the result through another.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents();
  }

  // The point over `target` that falls in `zone`.
  QPoint PointIn(std::string const& target, Zone zone) const {
    QRect const row = m_window->Tree()->visualRect(m_window->TreeModel()->IndexOf(target));
    return {row.center().x(), zone == Zone::Before ? row.top() + 1 : zone == Zone::After ? row.bottom() - 1 : row.center().y()};
  }

  // Enters the tree with the source's record, as a drag from another window brings it, and
  // moves to `at`; returns the action the tree accepted, IgnoreAction when it refused.
  Qt::DropAction DragTo(QMimeData const& mime, QPoint const& at, Qt::KeyboardModifiers keys) {
    QWidget* viewport = m_window->Tree()->viewport();
    Qt::DropActions const actions = Qt::MoveAction | Qt::CopyAction;
    QDragEnterEvent enter(at, actions, &mime, Qt::LeftButton, keys);
    QApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(at, actions, &mime, Qt::LeftButton, keys);
    QApplication::sendEvent(viewport, &move);
    return move.isAccepted() ? move.dropAction() : Qt::IgnoreAction;
  }

  std::unique_ptr<QMimeData> RecordOf(std::string const& source) {
    return std::unique_ptr<QMimeData>(m_window->TreeModel()->mimeData({m_window->TreeModel()->IndexOf(source)}));
  }

  void Drag(std::string const& source, std::string const& target, Zone zone, Qt::KeyboardModifiers keys) {
    std::unique_ptr<QMimeData> mime = RecordOf(source);
    QVERIFY(mime);
    QPoint const at = PointIn(target, zone);
    DragTo(*mime, at, keys);
    QDropEvent drop(QPointF(at), Qt::MoveAction | Qt::CopyAction, mime.get(), Qt::LeftButton, keys);
    QApplication::sendEvent(m_window->Tree()->viewport(), &drop);
  }

  // Fires the tree's drag timer once, as the event loop would when its interval is over.
  void Tick() {
    QTimer& timer = m_window->Tree()->DragTimer();
    QVERIFY(timer.isActive());
    QTimerEvent event(timer.timerId());
    QApplication::sendEvent(&timer, &event);
  }

  std::unique_ptr<GlobalConfigWorld> m_world;
  HeadlessUserInterface m_ui;
  GlobalConfig* m_config = nullptr;
  std::unique_ptr<ConnectDialog> m_dialog;
  std::unique_ptr<ConnectDialogWindow> m_window;
};

QTEST_MAIN(ConnectDialogWindowTest)
#include "ConnectDialogWindowTest.moc"
