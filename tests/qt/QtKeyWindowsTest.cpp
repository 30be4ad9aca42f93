// The key windows: Map Selected Key, the Map Key capture and the Mapped Keys page of Session
// Options, on the build's SSH2 plug-in so that the terminal pages show.
#include <memory>

#include "ComboPick.h"
#include "Controls.h"
#include "ModalDriver.h"
#include "database/GlobalConfig.h"
#include "dialogs/KeyboardButton.h"
#include "dialogs/NextKeyDialog.h"
#include "dialogs/SelectedKeyDialog.h"
#include "dialogs/SessionMappedKeysPage.h"
#include "dialogs/SessionOptionsDialog.h"
#include "library/LibraryState.h"
#include "library/ProductInfo.h"
#include "qt/ConnectDialogQtInit.h"
#include "qt/QtControlPanel.h"
#include "qt/QtKeyButton.h"
#include "qt/QtNextKeyWindow.h"
#include "qt/QtOnScreenKeyboard.h"
#include "qt/QtPropertyTreeWindow.h"
#include "qt/QtSelectedKeyWindow.h"
#include "session/ConnectProtocolTable.h"
#include "session/LoadProtocolDll.h"
#include "session/SessionConfig.h"
#include "support/BuiltPluginFolder.h"
#include "support/FakeKeyboardLayout.h"
#include "terminal/Keymap.h"
#include "terminal/KeymapCode.h"
#include "vutils/MemoryKey.h"

using Key = SelectedKeyDialog;

class QtKeyWindowsTest : public QObject {
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
    bool exitRequested = false, warn = false;
    QVERIFY(LoadProtocolDll(m_plugins->Base().c_str(), 4, kProductHaloKorvo, nullptr, nullptr, nullptr, nullptr,
                            nullptr, nullptr, &index, &exitRequested, &warn));
  }
  void cleanupTestCase() {
    IsHaloKorvo_Korvo_Installed(false);
    GetConnectProtocolTable().RemoveAll();
    m_plugins.reset();
  }

  // Send String picked in the Map Selected Key window and a string typed in its edit (every
  // category's mapping is SelectedKeyDialogTest's; a list entry is picked below).
  void mapSelectedKeyStoresTheChoiceOnOk() {
    FakeKeyboardLayout layout;
    layout.Key(82, true, 0x2D, {"", "", "", "", "", "", "", ""});
    KeyboardButton insert(82, 1, "Insert", 1, 0);
    Keymap keymap;
    Key dialog(nullptr, &keymap, &insert, Keymap::kCtrl);
    QString caption, listName;
    modal::WhenShown<QtSelectedKeyWindow>([&](QtSelectedKeyWindow& window) {
      caption = qobject_cast<QLabel*>(window.Panel()->Field(Key::kKeyCaption))->text();
      Pick(qobject_cast<QComboBox*>(window.Panel()->Field(Key::kCategoryList)), "Send String");
      auto* edit = qobject_cast<QLineEdit*>(window.Panel()->Field(Key::kSendStringEdit));
      edit->selectAll();
      QTest::keyClicks(edit, "ls\\r");
      listName = edit->accessibleName();
      QTest::mouseClick(DialogButton(window, QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QCOMPARE(dialog.DoModal(), IDOK);
    QCOMPARE(caption + "," + listName, "Ctrl-VK_INSERT,Send String");
    QCOMPARE(keymap.GetKeyCode(Keymap::kCtrl | 0x2D), int(KeymapCode::SEND));
    QCOMPARE(QString::fromStdString(keymap.GetKeyValue(Keymap::kCtrl | 0x2D).Str()), "ls\\r");
  }

  // A key as the X server reports it (its evdev code plus 8) becomes the scan code and modifiers
  // (which evdev code is which key is PcScanCodeTest's; that a lone modifier waits and Print
  // Screen counts on its release is NextKeyDialogTest's).
  void mapKeyCapturesThePhysicalKey() {
    struct Press { QEvent::Type type; Qt::Key key; Qt::KeyboardModifiers held; quint32 native; };
    struct Case { char const* what; QList<Press> presses; int endCode, scanCode, modifiers; };
    auto const down = QEvent::KeyPress;
    Case const cases[] = {
        {"Ctrl alone waits, then Ctrl+A",
         {{down, Qt::Key_Control, Qt::ControlModifier, 37}, {down, Qt::Key_A, Qt::ControlModifier, 38}},
         IDOK, 30, 0x200},
        {"Shift+Alt+F5", {{down, Qt::Key_F5, Qt::ShiftModifier | Qt::AltModifier, 71}}, IDOK, 0x3F, 0xC00},
        {"Print Screen from its release", {{QEvent::KeyRelease, Qt::Key_Print, {}, 107}}, IDOK, 55, 0x100},
        {"Escape is a key like any other", {{down, Qt::Key_Escape, {}, 9}}, IDOK, 1, 0},
        {"a key without a native code is no key", {{down, Qt::Key_A, {}, 0}}, IDCANCEL, 0, 0},
    };
    for (Case const& c : cases) {
      FakeKeyboardLayout layout;  // no key known: every key keeps its place's virtual key
      NextKeyDialog dialog;
      modal::WhenShown<QtNextKeyWindow>([&](QtNextKeyWindow& window) {
        for (Press const& press : c.presses) {
          QKeyEvent event(press.type, press.key, press.held, press.native, 0, 0);
          QApplication::sendEvent(&window, &event);
        }
        if (window.isVisible()) QTest::mouseClick(window.findChild<QPushButton*>(), Qt::LeftButton);
      });
      int const end = dialog.DoModal();
      QString const row = QString(c.what) + ": %1 %2 %3";
      QCOMPARE(row.arg(end).arg(dialog.ScanCode()).arg(dialog.Modifiers()),
               row.arg(c.endCode).arg(c.scanCode).arg(c.modifiers));
    }
  }

  // Shift chosen, the A key clicked and mapped to MENU_COPY: the key shows its mark at once, and
  // the session holds the key after OK (that it does after OK only, as one stored record, is
  // SessionOptionsDialogTest's).
  void aClickedKeyOnTheMappedKeysPageIsMappedInTheSessionOnOk() {
    FakeKeyboardLayout layout;
    layout.Key(30, false, 'A', {"a", "\x01", "A", "\x01", "", "", "", ""});
    MemoryKey memory;
    SessionConfig made(CString("lab"), nullptr);
    made.SetTerminalProtocol("SSH2");
    made.Save(memory.key, true);
    SessionConfig session(CString("lab"), memory.key);
    SessionOptionsDialog::DeleteStateMap();
    GlobalConfig config{nullptr};
    SessionOptionsDialog dialog(&config, &session);
    QStringList faces;
    bool markedAtOnce = false;
    modal::WhenShown<QtPropertyTreeWindow>([&](QtPropertyTreeWindow& window) {
      auto const items = window.Tree()->findItems("Mapped Keys", Qt::MatchExactly | Qt::MatchRecursive);
      QCOMPARE(items.size(), 1);
      for (QTreeWidgetItem* above = items.front()->parent(); above; above = above->parent()) above->setExpanded(true);
      int const narrower = window.width();
      window.Tree()->setCurrentItem(items.front());
      QtControlPanel* panel = window.Panel(dialog.MappedKeysPage());
      QVERIFY(panel && panel->isVisible());
      auto* keyboard = qobject_cast<QtOnScreenKeyboard*>(panel->Field(SessionMappedKeysPage::kKeyboard));
      QtKeyButton* key = keyboard ? keyboard->Button(30, false) : nullptr;
      QVERIFY(key);
      // Only this page is as wide as its keyboard: the window widens when it is chosen.
      window.layout()->activate();
      QVERIFY(narrower < keyboard->minimumSizeHint().width() && keyboard->width() >= keyboard->minimumSizeHint().width());
      faces << key->accessibleName();
      ClickIndicator(panel->Field(SessionMappedKeysPage::kShift));
      faces << key->accessibleName();
      modal::WhenShown<QtSelectedKeyWindow>([](QtSelectedKeyWindow& mapping) {
        Pick(qobject_cast<QComboBox*>(mapping.Panel()->Field(Key::kCategoryList)), "Menu Function");
        Pick(qobject_cast<QComboBox*>(mapping.Panel()->Field(Key::kMenuList)), "MENU_COPY");
        QTest::mouseClick(DialogButton(mapping, QDialogButtonBox::Ok), Qt::LeftButton);
      });
      QTest::mouseClick(key, Qt::LeftButton);
      markedAtOnce = key->ShowsMapped() && key->isChecked();
      QTest::mouseClick(DialogButton(window, QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QCOMPARE(dialog.DoModal(), IDOK);
    QCOMPARE(faces, (QStringList{"a", "A"}));
    QVERIFY(markedAtOnce);
    QCOMPARE(session.terminal.keymap.GetOwnKeyCode(Keymap::kShift | 'A'), int(KeymapCode::MENU_COPY));
  }

 private:
  std::unique_ptr<BuiltPluginFolder> m_plugins;
};

QTEST_MAIN(QtKeyWindowsTest)
#include "QtKeyWindowsTest.moc"
