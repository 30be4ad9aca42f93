#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

#include "ComboPick.h"
#include "ModalDriver.h"
#include "database/GlobalConfig.h"
#include "dialogs/SelectedKeyDialog.h"
#include "dialogs/SessionMappedKeysPage.h"
#include "dialogs/SessionOptionsDialog.h"
#include "library/LibraryState.h"
#include "library/ProductInfo.h"
#include "qt/ConnectDialogQtInit.h"
#include "qt/QtControlPanel.h"
#include "qt/QtKeyButton.h"
#include "qt/QtOnScreenKeyboard.h"
#include "qt/QtPropertyTreeWindow.h"
#include "qt/QtSelectedKeyWindow.h"
#include "session/ConnectProtocolTable.h"
#include "session/LoadProtocolDll.h"
#include "session/SessionConfig.h"
#include "support/BuiltPluginFolder.h"
#include "support/FakeKeyboardLayout.h"
#include "support/KeyDump.h"
#include "terminal/Keymap.h"
#include "terminal/KeymapCode.h"
#include "vutils/MemoryKey.h"

namespace {

using Page = SessionMappedKeysPage;

QPushButton* Button(QDialog& window, QDialogButtonBox::StandardButton which) {
  return window.findChild<QDialogButtonBox*>()->button(which);
}

}  // namespace

class QtMappedKeysPageTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    ConnectDialogQtInit();
    m_plugins = std::make_unique<BuiltPluginFolder>(CONNECTION_PROTOCOLS_DIR);
    GetConnectProtocolTable().RemoveAll();
    SetCurrentAppProductID(kProductHaloKorvo);
    ConnectDialogDllInitApplicationName("HaloKorvo");
    IsHaloKorvo_Korvo_Installed(true);
    int index = -1;
    bool exitRequested = false;
    bool warn = false;
    QVERIFY(LoadProtocolDll(m_plugins->Base().c_str(), 4, kProductHaloKorvo, nullptr, nullptr, nullptr, nullptr,
                            nullptr, nullptr, &index, &exitRequested, &warn));
  }
  void cleanupTestCase() {
    IsHaloKorvo_Korvo_Installed(false);
    GetConnectProtocolTable().RemoveAll();
    m_plugins.reset();
  }

  // Shift chosen, the A key clicked and mapped to MENU_COPY: the key shows its mark at once, and
  // the session holds the key after OK only.
  void aClickedKeyIsMappedInTheSessionOnOk_data() {
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
  }
  void aClickedKeyIsMappedInTheSessionOnOk() {
    QFETCH(bool, ok);
    FakeKeyboardLayout layout;
    layout.Key(30, false, 'A', {"a", "\x01", "A", "\x01", "", "", "", ""});
    MemoryKey memory;
    SessionConfig made(CString("lab"), nullptr);
    made.SetTerminalProtocol("SSH2");
    made.Save(memory.key, true);
    SessionConfig session(CString("lab"), memory.key);
    std::string const before = DumpValue(memory.key, "Keymap");
    SessionOptionsDialog::DeleteStateMap();
    GlobalConfig config{nullptr};
    SessionOptionsDialog dialog(&config, &session);
    QStringList faces;
    bool markedAtOnce = false;
    modal::WhenShown<QtPropertyTreeWindow>([&](QtPropertyTreeWindow& window) {
      QList<QTreeWidgetItem*> const items = window.Tree()->findItems("Mapped Keys", Qt::MatchExactly | Qt::MatchRecursive);
      QCOMPARE(items.size(), 1);
      for (QTreeWidgetItem* above = items.front()->parent(); above; above = above->parent()) above->setExpanded(true);
      int const narrower = window.width();
      window.Tree()->setCurrentItem(items.front());
      QtControlPanel* panel = window.Panel(dialog.MappedKeysPage());
      QVERIFY(panel && panel->isVisible());
      auto* keyboard = qobject_cast<QtOnScreenKeyboard*>(panel->Field(Page::kKeyboard));
      QVERIFY(keyboard);
      // Only this page is as wide as its keyboard: the window widens when it is chosen.
      window.layout()->activate();
      QVERIFY(narrower < keyboard->minimumSizeHint().width());
      QVERIFY(keyboard->width() >= keyboard->minimumSizeHint().width());
      QtKeyButton* key = keyboard->Button(30, false);
      QVERIFY(key);
      faces << key->accessibleName();
      auto* shift = qobject_cast<QCheckBox*>(panel->Field(Page::kShift));
      QTest::mouseClick(shift, Qt::LeftButton, {}, QPoint(8, shift->height() / 2));  // on the indicator
      faces << key->accessibleName();
      modal::WhenShown<QtSelectedKeyWindow>([](QtSelectedKeyWindow& mapping) {
        Pick(qobject_cast<QComboBox*>(mapping.Panel()->Field(SelectedKeyDialog::kCategoryList)), "Menu Function");
        Pick(qobject_cast<QComboBox*>(mapping.Panel()->Field(SelectedKeyDialog::kMenuList)), "MENU_COPY");
        QTest::mouseClick(Button(mapping, QDialogButtonBox::Ok), Qt::LeftButton);
      });
      QTest::mouseClick(key, Qt::LeftButton);
      markedAtOnce = key->ShowsMapped() && key->isChecked();
      QTest::mouseClick(Button(window, ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel), Qt::LeftButton);
    });
    QCOMPARE(dialog.DoModal(), ok ? IDOK : IDCANCEL);
    QCOMPARE(faces, (QStringList{"a", "A"}));
    QVERIFY(markedAtOnce);
    QCOMPARE(session.terminal.keymap.GetOwnKeyCode(Keymap::kShift | 'A'), ok ? int(KeymapCode::MENU_COPY) : 0);
    session.Save(memory.key, false);
    std::string const record("\0\0\0\1\0\0\x04\x41MENU_COPY\0\0", 19);
    QCOMPARE(QString::fromStdString(DumpValue(memory.key, "Keymap")),
             QString::fromStdString(ok ? "binary " + Hex(record) : before));
  }

 private:
  std::unique_ptr<BuiltPluginFolder> m_plugins;
};

QTEST_MAIN(QtMappedKeysPageTest)
#include "QtMappedKeysPageTest.moc"
