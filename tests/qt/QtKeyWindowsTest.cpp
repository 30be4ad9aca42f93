#include <QComboBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "ComboPick.h"
#include "ModalDriver.h"
#include "dialogs/KeyboardButton.h"
#include "dialogs/NextKeyDialog.h"
#include "dialogs/SelectedKeyDialog.h"
#include "qt/ConnectDialogQtInit.h"
#include "qt/QtControlPanel.h"
#include "qt/QtNextKeyWindow.h"
#include "qt/QtSelectedKeyWindow.h"
#include "support/FakeKeyboardLayout.h"
#include "terminal/Keymap.h"
#include "terminal/KeymapCode.h"

namespace {

using Key = SelectedKeyDialog;

// A key as the X server reports it: its evdev code plus 8.
struct Press { QEvent::Type type; Qt::Key key; Qt::KeyboardModifiers held; quint32 native; };

// A category picked in the Map Selected Key window, and the entry picked or typed in its list.
struct Mapping { QString category; int list; QString entry; int code; QString value; };

}  // namespace

Q_DECLARE_METATYPE(Press)
Q_DECLARE_METATYPE(Mapping)

class QtKeyWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ConnectDialogQtInit(); }

  void mapSelectedKeyStoresTheChoiceOnOk_data() {
    QTest::addColumn<Mapping>("c");
    QTest::newRow("a menu function") << Mapping{"Menu Function", Key::kMenuList, "MENU_COPY", KeymapCode::MENU_COPY, ""};
    QTest::newRow("a VT function") << Mapping{"VT Function", Key::kVtList, "VT_F15 (HELP)", KeymapCode::VT_F15, ""};
    QTest::newRow("a typed string") << Mapping{"Send String", Key::kSendStringEdit, "ls\\r", KeymapCode::SEND, "ls\\r"};
    QTest::newRow("disabled") << Mapping{"Disable", 0, "", KeymapCode::DISABLED, ""};
  }
  void mapSelectedKeyStoresTheChoiceOnOk() {
    QFETCH(Mapping, c);
    FakeKeyboardLayout layout;
    layout.Key(82, true, 0x2D, {"", "", "", "", "", "", "", ""});
    KeyboardButton insert(82, 1, "Insert", 1, 0);
    Keymap keymap;
    Key dialog(nullptr, &keymap, &insert, Keymap::kCtrl);
    QString caption, listName;
    modal::WhenShown<QtSelectedKeyWindow>([&](QtSelectedKeyWindow& window) {
      caption = qobject_cast<QLabel*>(window.Panel()->Field(Key::kKeyCaption))->text();
      Pick(qobject_cast<QComboBox*>(window.Panel()->Field(Key::kCategoryList)), c.category);
      if (auto* choices = qobject_cast<QComboBox*>(window.Panel()->Field(c.list))) Pick(choices, c.entry);
      if (auto* edit = qobject_cast<QLineEdit*>(window.Panel()->Field(c.list))) {
        edit->selectAll();
        QTest::keyClicks(edit, c.entry);
      }
      if (c.list) listName = window.Panel()->Field(c.list)->accessibleName();
      QTest::mouseClick(window.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QCOMPARE(dialog.DoModal(), IDOK);
    QCOMPARE(caption, QString("Ctrl-VK_INSERT"));
    if (c.list) QCOMPARE(listName, c.category);
    int const index = Keymap::kCtrl | 0x2D;
    QCOMPARE(keymap.GetKeyCode(index), c.code);
    QCOMPARE(QString::fromStdString(keymap.GetKeyValue(index).Str()), c.value);
    QCOMPARE(dialog.keymapWasModified(), 1);
  }

  void mapKeyCapturesThePhysicalKey_data() {
    QTest::addColumn<QList<Press>>("presses");
    QTest::addColumn<int>("endCode");
    QTest::addColumn<int>("scanCode");
    QTest::addColumn<int>("modifiers");
    auto const down = QEvent::KeyPress;
    auto const up = QEvent::KeyRelease;
    QTest::newRow("Ctrl alone waits, then Ctrl+A")
        << QList<Press>{{down, Qt::Key_Control, Qt::ControlModifier, 37}, {down, Qt::Key_A, Qt::ControlModifier, 38}}
        << IDOK << 30 << 0x200;
    QTest::newRow("Shift+Alt+F5") << QList<Press>{{down, Qt::Key_Shift, Qt::ShiftModifier, 50},
                                                  {down, Qt::Key_F5, Qt::ShiftModifier | Qt::AltModifier, 71}}
                                  << IDOK << 0x3F << 0xC00;
    QTest::newRow("Print Screen from its release") << QList<Press>{{up, Qt::Key_Print, Qt::NoModifier, 107}} << IDOK
                                                   << 55 << 0x100;
    QTest::newRow("Delete of the editing block is extended")
        << QList<Press>{{down, Qt::Key_Delete, Qt::NoModifier, 119}} << IDOK << 83 << 0x100;
    QTest::newRow("Ctrl+Pause is the Pause key") << QList<Press>{{down, Qt::Key_Pause, Qt::ControlModifier, 127}}
                                                 << IDOK << 0x45 << 0x200;
    QTest::newRow("Escape is a key like any other") << QList<Press>{{down, Qt::Key_Escape, Qt::NoModifier, 9}} << IDOK
                                                    << 1 << 0;
    QTest::newRow("a key without a native code is no key")
        << QList<Press>{{down, Qt::Key_A, Qt::NoModifier, 0}} << IDCANCEL << 0 << 0;
  }
  void mapKeyCapturesThePhysicalKey() {
    QFETCH(QList<Press>, presses);
    QFETCH(int, endCode);
    QFETCH(int, scanCode);
    QFETCH(int, modifiers);
    FakeKeyboardLayout layout;  // no key known: every key keeps its place's virtual key
    NextKeyDialog dialog;
    modal::WhenShown<QtNextKeyWindow>([&](QtNextKeyWindow& window) {
      for (Press const& press : presses) {
        QKeyEvent event(press.type, press.key, press.held, press.native, 0, 0);
        QApplication::sendEvent(&window, &event);
      }
      if (window.isVisible()) QTest::mouseClick(window.findChild<QPushButton*>(), Qt::LeftButton);
    });
    QCOMPARE(dialog.DoModal(), endCode);
    QCOMPARE(int(dialog.ScanCode()), scanCode);
    QCOMPARE(int(dialog.Modifiers()), modifiers);
  }
};

QTEST_MAIN(QtKeyWindowsTest)
#include "QtKeyWindowsTest.moc"
