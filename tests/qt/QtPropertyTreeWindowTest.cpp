#include "Controls.h"
#include "ModalDriver.h"
#include "VOptionList.h"
#include "VPropertyTreeDemoDialog.h"
#include "connectdialog/database/GlobalConfigWorld.h"
#include "dialogs/GlobalOptionsDialog.h"
#include "dialogs/GlobalPageControls.h"
#include "library/ProductInfo.h"
#include "qt/ConnectDialogQtInit.h"
#include "qt/QtControlPanel.h"
#include "qt/QtPropertyTreeWindow.h"

namespace {

using Window = QtPropertyTreeWindow;
using Demo = VPropertyTreeDemoDialog;

QString Current(Window& window) {
  return window.Tree()->currentItem() ? window.Tree()->currentItem()->text(0) : QString();
}

void ClickItem(Window& window, QString const& label) {
  QList<QTreeWidgetItem*> const found = window.Tree()->findItems(label, Qt::MatchExactly | Qt::MatchRecursive);
  QVERIFY(!found.isEmpty());
  QRect const place = window.Tree()->visualItemRect(found.front());
  QTest::mouseClick(window.Tree()->viewport(), Qt::LeftButton, {}, place.center());
  QCoreApplication::processEvents();  // the tree goes back after a refusal once the click is done
}

// Every option of the record as NAME=TEXT but the tree's state, which the dialog keeps however it ends.
std::string Texts(GlobalConfig& config) {
  std::string texts;
  VOptionList const list(config);
  for (VOption const& option : list.Options())
    if (!std::string(option.Name()).starts_with("Global Options Tree"))
      texts += std::string(option.Name()) + "=" + option.Text().Str() + "\n";
  return texts;
}

}  // namespace

class QtPropertyTreeWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ConnectDialogQtInit(); }
  void init() { Demo::DeleteStateMap(); }

  void keysMoveOverTheVisiblePages() {
    struct Case { Qt::Key key; Qt::KeyboardModifiers modifiers; QStringList visited; };
    Case const cases[] = {
        {Qt::Key_PageDown, Qt::ControlModifier, {"Appearance", "Colors", "Terminal", "Logging", "General"}},  // wraps
        {Qt::Key_PageUp, Qt::ControlModifier, {"Logging", "Terminal", "Colors"}},  // wraps to the last
        {Qt::Key_Tab, Qt::ControlModifier, {"Appearance", "Colors"}},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, {"Logging"}},
    };
    for (Case const& c : cases) {
      VPropertyTreeDemoSettings settings;
      Demo dialog(settings);
      QStringList pages, captions;
      modal::WhenShown<Window>([&](Window& window) {
        for (int i = 0; i < c.visited.size(); ++i) {
          QTest::keyClick(window.Tree(), c.key, c.modifiers);
          QCOMPARE(QString::fromStdString(dialog.CurrentPage()->Label()), Current(window));
          pages << Current(window);
          captions << window.Caption()->text();
        }
      });
      dialog.DoModal();
      QCOMPARE(pages, c.visited);
      if (c.visited.front() == "Appearance") QCOMPARE(captions.front(), QString("  Window and Text Appearance"));
      Demo::DeleteStateMap();
    }
  }

  // A number out of its range cannot leave the page, whichever way the user tries (Ctrl+Page Down,
  // a click on another page, OK); the message shows (its text is VPropertyTreeDialogTest's), the
  // page stays with the focus on the number, and nothing is taken.
  void aRangeRefusalKeepsThePage() {
    for (QString const way : {"key", "click", "ok"}) {
      VPropertyTreeDemoSettings settings;
      int const before = settings.maximumColumns;
      Demo dialog(settings);
      modal::Box box;
      bool stayed = false;
      modal::WhenShown<Window>([&](Window& window) {
        ClickItem(window, "Terminal");
        QCOMPARE(Current(window), QString("Terminal"));
        auto* columns = qobject_cast<QSpinBox*>(window.Panel(dialog.CurrentPage())->Field(Demo::kMaximumColumns));
        QVERIFY(columns);
        columns->setFocus();
        columns->selectAll();
        QTest::keyClicks(columns, "5000");
        modal::AnswerBox(QMessageBox::Ok, box);
        if (way == "key") {
          window.Tree()->setFocus();  // the refusal must bring the focus back to the number
          QTest::keyClick(window.Tree(), Qt::Key_PageDown, Qt::ControlModifier);
        }
        if (way == "click") ClickItem(window, "Logging");
        if (way == "ok") QTest::mouseClick(DialogButton(window, QDialogButtonBox::Ok), Qt::LeftButton);
        stayed = window.isVisible() && !dialog.IsEnded() && window.focusWidget() == columns &&
                 Current(window) == "Terminal";
      });
      dialog.DoModal();
      QVERIFY2(box.shown && box.icon == QMessageBox::Warning && stayed, qPrintable(way));
      QCOMPARE(int(settings.maximumColumns), before);
      Demo::DeleteStateMap();
    }
  }

  // Tab runs from the tree through the page's fields in their order to the buttons.
  void tabFollowsTheLayout() {
    VPropertyTreeDemoSettings settings;
    Demo dialog(settings);
    QStringList order;
    modal::WhenShown<Window>([&](Window& window) {
      ClickItem(window, "Terminal");
      window.Tree()->setFocus();
      for (int i = 0; i < 4; ++i) {
        QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
        order << SpokenName(window.focusWidget());
      }
    });
    dialog.DoModal();
    QCOMPARE(order, (QStringList{"Maximum columns", "Scrollback lines", "Defaults", "OK"}));
  }

  void aCheckBoxIsTakenOnOkAndNotOnCancel() {
    for (bool const ok : {true, false}) {
      GlobalConfigWorld world;
      IsHaloKorvo_Korvo_Installed(true);
      GlobalOptionsDialog::DeleteStateMap();
      GlobalConfig config{nullptr};
      int const shown = config.showConnectDialog;
      std::string const before = Texts(config);
      GlobalOptionsDialog dialog(config);
      modal::WhenShown<Window>([&](Window& window) {
        QWidget* box = window.Panel(dialog.CurrentPage())->Field(GlobalPageControls::kShowConnectDialog);
        QVERIFY(box);
        QCOMPARE(box->accessibleName(), QString("Show connect dialog on startup"));
        ClickIndicator(box);
        QTest::mouseClick(DialogButton(window, ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel), Qt::LeftButton);
      });
      QCOMPARE(dialog.DoModal(), ok ? IDOK : IDCANCEL);
      IsHaloKorvo_Korvo_Installed(false);
      if (ok) QCOMPARE(int(config.showConnectDialog), shown ? 0 : 1);
      else QCOMPARE(Texts(config), before);
    }
  }
};

QTEST_MAIN(QtPropertyTreeWindowTest)
#include "QtPropertyTreeWindowTest.moc"
