#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest>

#include "ModalDriver.h"
#include "VOptionList.h"
#include "VPropertyTreeDemoDialog.h"
#include "dialogs/GlobalOptionsDialog.h"
#include "dialogs/GlobalPageControls.h"
#include "library/LibraryState.h"
#include "library/ProductInfo.h"
#include "qt/ConnectDialogQtInit.h"
#include "qt/QtControlPanel.h"
#include "qt/QtPropertyTreeWindow.h"
#include "support/ScopedRoot.h"

namespace {

using Window = QtPropertyTreeWindow;
using Demo = VPropertyTreeDemoDialog;

QString Current(Window& window) {
  return window.Tree()->currentItem() ? window.Tree()->currentItem()->text(0) : QString();
}

QPushButton* Button(Window& window, QDialogButtonBox::StandardButton which) {
  return window.findChild<QDialogButtonBox*>()->button(which);
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

  void keysMoveOverTheVisiblePages_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QStringList>("visited");
    int const ctrl = Qt::ControlModifier;
    QTest::newRow("Ctrl+Page Down wraps to the first") << int(Qt::Key_PageDown) << ctrl
                                                      << QStringList{"Appearance", "Colors", "Terminal", "Logging", "General"};
    QTest::newRow("Ctrl+Page Up wraps to the last") << int(Qt::Key_PageUp) << ctrl << QStringList{"Logging", "Terminal", "Colors"};
    QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << ctrl << QStringList{"Appearance", "Colors"};
    QTest::newRow("Ctrl+Shift+Tab") << int(Qt::Key_Backtab) << int(ctrl | Qt::ShiftModifier) << QStringList{"Logging"};
  }
  void keysMoveOverTheVisiblePages() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QStringList, visited);
    VPropertyTreeDemoSettings settings;
    Demo dialog(settings);
    QStringList pages, captions, models;
    modal::WhenShown<Window>([&](Window& window) {
      for (int i = 0; i < visited.size(); ++i) {
        QTest::keyClick(window.Tree(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        pages << Current(window);
        captions << window.Caption()->text();
        models << QString::fromStdString(dialog.CurrentPage()->Label());
      }
    });
    dialog.DoModal();
    QCOMPARE(pages, visited);
    QCOMPARE(models, visited);
    if (visited.front() == "Appearance") QCOMPARE(captions.front(), QString("  Window and Text Appearance"));
  }

  // A number out of its range cannot leave the page, whichever way the user tries; the message
  // shows, the page stays with the focus on the number, and nothing is taken.
  void aRangeRefusalKeepsThePage_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("Ctrl+Page Down") << "key";
    QTest::newRow("a click on another page") << "click";
    QTest::newRow("OK") << "ok";
  }
  void aRangeRefusalKeepsThePage() {
    QFETCH(QString, way);
    VPropertyTreeDemoSettings settings;
    int const before = settings.maximumColumns;
    Demo dialog(settings);
    modal::Box box;
    bool stayed = false, focused = false;
    QString page;
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
      if (way == "ok") QTest::mouseClick(Button(window, QDialogButtonBox::Ok), Qt::LeftButton);
      stayed = window.isVisible() && !dialog.IsEnded();
      page = Current(window);
      focused = window.focusWidget() == columns;
    });
    dialog.DoModal();
    QVERIFY(box.shown);
    QCOMPARE(box.text, QString("Please enter an integer between 132 and 1024."));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QVERIFY(stayed);
    QCOMPARE(page, QString("Terminal"));
    QVERIFY(focused);
    QCOMPARE(int(settings.maximumColumns), before);
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
        QWidget* focused = window.focusWidget();
        order << (focused->accessibleName().isEmpty() ? focused->property("text").toString() : focused->accessibleName());
      }
    });
    dialog.DoModal();
    QCOMPARE(order, (QStringList{"Maximum columns", "Scrollback lines", "Defaults", "OK"}));
  }

  void aCheckBoxIsTakenOnOkAndNotOnCancel_data() {
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
  }
  void aCheckBoxIsTakenOnOkAndNotOnCancel() {
    QFETCH(bool, ok);
    ScopedRoot root;
    SetCurrentAppProductID(kProductHaloKorvo);
    ConnectDialogDllInitApplicationName("HaloKorvo");
    IsHaloKorvo_Korvo_Installed(true);
    GlobalOptionsDialog::DeleteStateMap();
    GlobalConfig config{nullptr};
    int const shown = config.showConnectDialog;
    std::string const before = Texts(config);
    GlobalOptionsDialog dialog(config);
    modal::WhenShown<Window>([&](Window& window) {
      QCOMPARE(Current(window), QString("General"));
      QWidget* box = window.Panel(dialog.CurrentPage())->Field(GlobalPageControls::kShowConnectDialog);
      QVERIFY(box);
      QCOMPARE(box->accessibleName(), QString("Show connect dialog on startup"));
      QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));  // on the indicator
      QTest::mouseClick(Button(window, ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel), Qt::LeftButton);
    });
    QCOMPARE(dialog.DoModal(), ok ? IDOK : IDCANCEL);
    if (ok) {
      QCOMPARE(int(config.showConnectDialog), shown ? 0 : 1);
    } else {
      QCOMPARE(Texts(config), before);
    }
    IsHaloKorvo_Korvo_Installed(false);
  }
};

QTEST_MAIN(QtPropertyTreeWindowTest)
#include "QtPropertyTreeWindowTest.moc"
