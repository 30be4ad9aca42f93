// The Connect dialog's window driven as a user drives it (clicks, keys, typing, drops) on a
// store of its own, checked against the dialog model and the store.
#include <QAbstractItemModelTester>
#include <memory>

#include "Controls.h"
#include "connectdialog/database/GlobalConfigWorld.h"
#include "dialogs/ConnectDialog.h"
#include "dialogs/ShortcutNameDialog.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "qt/ConnectDialogQtInit.h"
#include "qt/QtDialogPresenter.h"
#include "qt/connect/ConnectDialogWindow.h"
#include "qt/connect/ConnectTreeModel.h"
#include "qt/connect/ConnectTreeView.h"
#include "support/FakeClock.h"
#include "support/JoinedText.h"
#include "support/SessionTree.h"

namespace {

using Zone = ConnectTreeDrag::Zone;

// One row of the drop table: QTest hands it to the test whole, as one column.
struct Drop { QString source, target; Zone zone; Qt::KeyboardModifiers keys; QString lab, other; };

// The folder's folders, then its sessions, as the store lists them: "a,b|s1,s2".
QString Stored(char const* folder) {
  SessionDatabase database(0);
  return QString::fromStdString(JoinedText(FolderNames(database, folder), ",") + "|" +
                                JoinedText(SessionNames(database, folder), ","));
}

// The paths the window's tree shows, in display order, the root as "".
QStringList ShownRows(ConnectDialogWindow& window, QModelIndex const& parent = {}) {
  QStringList rows;
  for (int row = 0; row < window.TreeModel()->rowCount(parent); ++row) {
    QModelIndex const index = window.TreeModel()->index(row, 0, parent);
    rows << QString::fromStdString(window.TreeModel()->PathOf(index));
    if (window.Tree()->isExpanded(index)) rows << ShownRows(window, index);
  }
  return rows;
}

// The line edit of an in-place label edit; null when none is open.
QLineEdit* LabelEditor(ConnectDialogWindow& window) {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  for (QLineEdit* editor : window.Tree()->viewport()->findChildren<QLineEdit*>())
    if (editor->isVisible()) return editor;
  return nullptr;
}

// Replaces the editor's text by `text` and presses Enter, then lets the window take the result:
// the editor commits through a posted call, and the window takes the result through another.
void Type(QLineEdit* editor, QString const& text) {
  editor->selectAll();
  QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
  QCoreApplication::sendPostedEvents();
  QCoreApplication::sendPostedEvents();
}

}  // namespace

Q_DECLARE_METATYPE(Drop)

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
    SessionDatabase database(0);
    for (char const* name : {"Lab", "Other"}) QVERIFY(database.InsertFolder("", name, "", true));
    for (char const* name : {"Lab\\s1", "Lab\\s2", "Lab\\s3"}) QVERIFY(AddSession(database, name));
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

  void theToolbarAndButtonsFollowTheMode() {
    QString const common = "New Session,|,Cut,Copy,Paste,|,Delete,Properties,|,New Folder,|,Create Shortcut,|,Help";
    struct Mode { bool browse; QString toolbar, buttons, checks; };
    for (Mode const& mode : {Mode{false, "Connect,Quick Connect,|," + common, "&Connect,Close",
                                  "&Show dialog on startup,&Open in a tab"},
                             Mode{true, common, "OK,Cancel", ""}}) {
      auto dialog = mode.browse ? ConnectDialog::Browser("Pick", "Lab")
                                : std::make_unique<ConnectDialog>("Sessions", false, false);
      dialog->Open();
      ConnectDialogWindow window(*dialog, nullptr);
      window.show();
      QStringList tips, pushed, checked;
      for (QAction* action : window.findChild<QToolBar*>()->actions())
        tips << (action->isSeparator() ? QStringLiteral("|") : action->toolTip());
      for (QPushButton* button : window.findChildren<QPushButton*>()) pushed << button->text();
      for (QCheckBox* box : window.findChildren<QCheckBox*>())
        if (box->isVisible()) checked << box->text();
      QCOMPARE(tips.join(',') + " / " + pushed.join(',') + " / " + checked.join(','),
               mode.toolbar + " / " + mode.buttons + " / " + mode.checks);
      QVERIFY(!Named<QToolButton>(window, "Paste")->isEnabled());
      // The root is selected, unless browsing from Lab.
      QCOMPARE(Named<QToolButton>(window, "Delete")->isEnabled(), mode.browse);
    }
  }

  // Escape ends the edit, not the dialog; a refused name reopens the edit on the old name (each
  // refusal's message is the dialog model's test); a good one is stored.
  void renamingInPlace() {
    SelectRow("Lab\\s1");
    QTest::keyClick(m_window->Tree(), Qt::Key_F2);
    QVERIFY(LabelEditor(*m_window));
    QTest::keyClicks(LabelEditor(*m_window), "x");
    QTest::keyClick(LabelEditor(*m_window), Qt::Key_Escape);
    QVERIFY(!m_dialog->IsEditingLabel() && m_window->isVisible());
    QTest::keyClick(m_window->Tree(), Qt::Key_F2);
    QVERIFY(LabelEditor(*m_window));
    Type(LabelEditor(*m_window), "a:b");
    QCOMPARE(Stored("Lab"), QStringLiteral("|s1,s2,s3"));
    QLineEdit* editor = LabelEditor(*m_window);
    QVERIFY2(m_dialog->IsEditingLabel() && editor, "the edit reopens");
    QCOMPARE(editor->text(), QStringLiteral("s1"));
    Type(editor, "core");
    QCOMPARE(Stored("Lab"), QStringLiteral("|core,s2,s3"));
    QVERIFY(!m_dialog->IsEditingLabel() && !LabelEditor(*m_window));
    QCOMPARE(m_window->Tree()->currentIndex(), m_window->TreeModel()->IndexOf("Lab\\core"));
  }

  void dropsFollowTheirZoneAndKeys_data() {
    QTest::addColumn<Drop>("c");
    QTest::newRow("before a sibling") << Drop{"Lab\\s3", "Lab\\s2", Zone::Before, {}, "|s1,s3,s2", "|"};
    QTest::newRow("after a sibling") << Drop{"Lab\\s1", "Lab\\s3", Zone::After, {}, "|s2,s3,s1", "|"};
    QTest::newRow("onto a folder") << Drop{"Lab\\s1", "Other", Zone::On, {}, "|s2,s3", "|s1"};
    QTest::newRow("Alt moves") << Drop{"Lab\\s1", "Other", Zone::On, Qt::AltModifier, "|s2,s3", "|s1"};
    QTest::newRow("Ctrl copies") << Drop{"Lab\\s1", "Other", Zone::On, Qt::ControlModifier, "|s1,s2,s3", "|s1"};
    QTest::newRow("Shift refuses") << Drop{"Lab\\s1", "Other", Zone::On, Qt::ShiftModifier, "|s1,s2,s3", "|"};
  }
  void dropsFollowTheirZoneAndKeys() {
    QFETCH(Drop, c);
    m_window->Tree()->expand(m_window->TreeModel()->IndexOf("Lab"));
    std::unique_ptr<QMimeData> mime = RecordOf(c.source.toStdString());
    QVERIFY(mime);
    QPoint const at = PointIn(c.target.toStdString(), c.zone);
    DragTo(*mime, at, c.keys);
    QDropEvent drop(QPointF(at), Qt::MoveAction | Qt::CopyAction, mime.get(), Qt::LeftButton, c.keys);
    QApplication::sendEvent(m_window->Tree()->viewport(), &drop);
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
    QVERIFY2(!m_dialog->Drag().IsActive() && !m_window->Tree()->DragTimer().isActive() && m_window->isVisible(),
             "Escape ends the drag, not the dialog");
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
    for (auto [y, step] : {std::pair{height - 2, 1}, {height / 2, 0}, {1, -1}}) {
      int const before = bar->value();
      DragTo(*mime, QPoint(5, y), Qt::NoModifier);
      Tick();
      QCOMPARE(bar->value() - before, step);
    }
    m_dialog->DragLeave();
  }

  void theShortcutNameWindowHandsTheTypedLabelToItsModel() {
    for (auto [key, code, label] : {std::tuple{Qt::Key_Return, IDOK, "edge"}, {Qt::Key_Escape, IDCANCEL, "s1"}}) {
      ShortcutNameDialog model("Lab\\s1", "s1");
      QTimer::singleShot(0, [key = key] {
        auto* edit = QApplication::activeModalWidget()->findChild<QLineEdit*>();
        QVERIFY(edit);
        QCOMPARE(edit->text(), QStringLiteral("s1"));
        QCOMPARE(edit->accessibleName(), QString(ShortcutNameDialog::kPrompt));
        edit->selectAll();
        QTest::keyClicks(edit, "edge");
        QTest::keyClick(edit, key);
      });
      QCOMPARE(GetQtDialogPresenter().RunModal(model), code);
      QCOMPARE(model.Label(), std::string(label));
    }
  }

  // Which entries each kind has, and in which state, is the dialog model's test.
  void theMenuKeysOpenTheMenuOfTheSelectedKind() {
    QString const tail = ",|,User &Arranged Tree*,Sho&w Descriptions*";
    struct MenuKey { std::string path; Qt::Key key; Qt::KeyboardModifiers modifiers; QString entries; };
    MenuKey const cases[] = {
        {"Lab\\s1", Qt::Key_Menu, {}, "-Connect T&erminal,-Connect &File Transfer,-Connect &Both,|,&Quick Connect,"
         "&New Session,|,Cu&t,&Copy,-&Paste,|,&Delete,Rena&me,P&roperties,|,New &Folder,&Import Sessions...,"
         "Cr&eate Desktop Shortcut" + tail},
        {"Lab", Qt::Key_F10, Qt::ShiftModifier,
         "&Quick Connect,&New Session,|,Cu&t,&Copy,-&Paste,|,&Delete,Rena&me,|,New &Folder,&Import Sessions..." + tail},
    };
    for (MenuKey const& c : cases) {
      SelectRow(c.path);
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
  }

  // Typing into the filter shows the model's matches and Escape restores the tree and the selection
  // (what matches is the model's test); the key deletes after asking and the model's choice of the
  // next selection reaches the tree; the item model stays consistent through all of it.
  void theFilterAndTheItemModel() {
    QAbstractItemModelTester tester(m_window->TreeModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_window->Tree()->expand(m_window->TreeModel()->IndexOf("Lab"));
    QCOMPARE(ShownRows(*m_window), (QStringList{"", "Lab", "Lab\\s1", "Lab\\s2", "Lab\\s3", "Other"}));
    SelectRow("Other");
    auto* filter = m_window->findChild<QLineEdit*>();
    QTest::keyClicks(filter, "s2");
    QCOMPARE(ShownRows(*m_window), (QStringList{"", "Lab", "Lab\\s2"}));
    QCOMPARE(m_window->Tree()->currentIndex(), m_window->TreeModel()->IndexOf("Lab\\s2"));
    QTest::keyClick(filter, Qt::Key_Escape);
    QVERIFY(!m_dialog->IsFiltering() && filter->text().isEmpty() && m_window->isVisible());
    QCOMPARE(QString::fromStdString(m_dialog->SelectedPath()), QStringLiteral("Other"));
    QCOMPARE(m_window->Tree()->currentIndex(), m_window->TreeModel()->IndexOf("Other"));
    SelectRow("Lab\\s1");
    m_ui.Script(IDYES);
    QTest::keyClick(m_window->Tree(), Qt::Key_Delete);
    QCOMPARE(m_ui.Shown().size(), size_t(1));
    QCOMPARE(Stored("Lab"), QStringLiteral("|s2,s3"));
    QCOMPARE(m_window->Tree()->currentIndex(), m_window->TreeModel()->IndexOf("Lab\\s2"));
    QVERIFY(!ShownRows(*m_window).contains("Lab\\s1"));
    QTest::keyClick(m_window->Tree(), Qt::Key_F, Qt::AltModifier);
    QVERIFY(LabelEditor(*m_window));
    Type(LabelEditor(*m_window), "Fresh");
    QCOMPARE(Stored("Lab"), QStringLiteral("Fresh|s2,s3"));
    QTest::keyClick(m_window->Tree(), Qt::Key_A, Qt::AltModifier);
    QCOMPARE(ShownRows(*m_window).size(), 6);
  }

  // The size stored on closing is the next showing's; the smallest size keeps the bottom row whole.
  void theWindowsSize() {
    m_window->resize(1, 1);
    QVERIFY(m_window->width() >= m_window->findChild<QPushButton*>()->parentWidget()->sizeHint().width());
    m_window.reset();
    m_config->connectDialogSize = WINDOWPLACEMENT{};
    QSize shown;
    ConnectDialog first("Sessions", false, false);
    QTimer::singleShot(0, [&shown] {
      auto* window = qobject_cast<ConnectDialogWindow*>(QApplication::activeModalWidget());
      QVERIFY(window);
      window->resize(window->minimumSize() + QSize(40, 30));
      shown = window->size();
      QTest::mouseClick(Named<QPushButton>(*window, "Close"), Qt::LeftButton);
    });
    QCOMPARE(GetQtDialogPresenter().RunModal(first), IDCANCEL);
    RECT const& stored = m_config->connectDialogSize.Current().rcNormalPosition;
    QCOMPARE(QSize(stored.right - stored.left, stored.bottom - stored.top), shown);
    ConnectDialog second("Sessions", false, false);
    QTimer::singleShot(0, [&shown] {
      QCOMPARE(QApplication::activeModalWidget()->size(), shown);
      QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
    });
    QCOMPARE(GetQtDialogPresenter().RunModal(second), IDCANCEL);
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

  // The point over `target` that falls in `zone`.
  QPoint PointIn(std::string const& target, Zone zone) const {
    QRect const row = m_window->Tree()->visualRect(m_window->TreeModel()->IndexOf(target));
    int const y = zone == Zone::Before ? row.top() + 1 : zone == Zone::After ? row.bottom() - 1 : row.center().y();
    return {row.center().x(), y};
  }

  // Enters the tree with the source's record, as a drag from another window brings it, and
  // moves to `at`; returns the action the tree accepted, IgnoreAction when it refused.
  Qt::DropAction DragTo(QMimeData const& mime, QPoint const& at, Qt::KeyboardModifiers keys) {
    QDragEnterEvent enter(at, Qt::MoveAction | Qt::CopyAction, &mime, Qt::LeftButton, keys);
    QApplication::sendEvent(m_window->Tree()->viewport(), &enter);
    QDragMoveEvent move(at, Qt::MoveAction | Qt::CopyAction, &mime, Qt::LeftButton, keys);
    QApplication::sendEvent(m_window->Tree()->viewport(), &move);
    return move.isAccepted() ? move.dropAction() : Qt::IgnoreAction;
  }

  std::unique_ptr<QMimeData> RecordOf(std::string const& source) {
    return std::unique_ptr<QMimeData>(m_window->TreeModel()->mimeData({m_window->TreeModel()->IndexOf(source)}));
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
