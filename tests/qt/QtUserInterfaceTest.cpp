#include <QApplication>
#include <QtTest>
#include <algorithm>

#include "ModalDriver.h"
#include "qt/QtFileFilter.h"
#include "qt/QtUserInterface.h"

namespace {

using Buttons = QList<QMessageBox::StandardButton>;

HICON const kUntouched = reinterpret_cast<HICON>(0xDEADBEEF);

}  // namespace

class QtUserInterfaceTest : public QObject {
  Q_OBJECT

 private slots:
  void filtersTakeQtsForm_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("filters");
    QTest::newRow("script files") << "Script Files (*.vbs;*.js;*.pl)|*.vbs;*.js;*.pl|All Files (*.*)|*.*||"
                                  << QStringList{"Script Files (*.vbs *.js *.pl)", "All Files (*)"};
    QTest::newRow("the patterns, not what the name shows") << "Keymaps (*.key)|*.key; *.KEY||"
                                                           << QStringList{"Keymaps (*.key *.KEY)"};
    QTest::newRow("a name without patterns shown") << "Text|*.txt||" << QStringList{"Text (*.txt)"};
    QTest::newRow("a pair without patterns is left out") << "Broken||All|*||" << QStringList{"All (*)"};
    QTest::newRow("a name missing its patterns") << "Lonely" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
  }
  void filtersTakeQtsForm() {
    QFETCH(QString, filter);
    QFETCH(QStringList, filters);
    QCOMPARE(QtFileFilter::Filters(filter.toStdString()), filters);
  }

  void defaultSuffixes_data() {
    QTest::addColumn<QString>("extensions");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("a list") << "*.vbs; *.js; *.pl" << "vbs";
    QTest::newRow("a dot") << ".reg" << "reg";
    QTest::newRow("a bare name") << "ini" << "ini";
    QTest::newRow("every file names none") << "*.*" << "";
    QTest::newRow("empty") << "" << "";
  }
  void defaultSuffixes() {
    QFETCH(QString, extensions);
    QFETCH(QString, suffix);
    QCOMPARE(QtFileFilter::DefaultSuffix(extensions.toStdString()), suffix);
  }

  void messageBoxesFollowTheirType_data() {
    QTest::addColumn<uint>("type");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<Buttons>("buttons");
    QTest::addColumn<QMessageBox::StandardButton>("byDefault");
    QTest::addColumn<QMessageBox::StandardButton>("press");
    QTest::addColumn<int>("answer");
    QTest::newRow("OK, warning") << uint(MB_OK | MB_ICONWARNING) << QMessageBox::Warning << Buttons{QMessageBox::Ok}
                                 << QMessageBox::Ok << QMessageBox::Ok << IDOK;
    QTest::newRow("OK Cancel, Cancel pressed") << uint(MB_OKCANCEL | MB_ICONERROR) << QMessageBox::Critical
                                               << Buttons{QMessageBox::Ok, QMessageBox::Cancel} << QMessageBox::Ok
                                               << QMessageBox::Cancel << IDCANCEL;
    QTest::newRow("Yes No, No by default") << uint(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) << QMessageBox::Question
                                           << Buttons{QMessageBox::Yes, QMessageBox::No} << QMessageBox::No
                                           << QMessageBox::Yes << IDYES;
    QTest::newRow("Yes No Cancel, the third by default")
        << uint(MB_YESNOCANCEL | MB_ICONINFORMATION | MB_DEFBUTTON3) << QMessageBox::Information
        << Buttons{QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel} << QMessageBox::Cancel << QMessageBox::No
        << IDNO;
    QTest::newRow("a default past the buttons is the first")
        << uint(MB_YESNO | MB_DEFBUTTON3) << QMessageBox::NoIcon << Buttons{QMessageBox::Yes, QMessageBox::No}
        << QMessageBox::Yes << QMessageBox::No << IDNO;
  }
  void messageBoxesFollowTheirType() {
    QFETCH(uint, type);
    QFETCH(QMessageBox::Icon, icon);
    QFETCH(Buttons, buttons);
    QFETCH(QMessageBox::StandardButton, byDefault);
    QFETCH(QMessageBox::StandardButton, press);
    QFETCH(int, answer);
    QtUserInterface ui;
    modal::Box box;
    modal::AnswerBox(press, box);
    QCOMPARE(ui.MessageBox("first line\r\nsecond line", "Caption", type), answer);
    QVERIFY(box.shown);
    QCOMPARE(box.title, QString("Caption"));
    QCOMPARE(box.text, QString("first line\nsecond line"));
    QCOMPARE(box.icon, icon);
    std::sort(box.buttons.begin(), box.buttons.end());
    std::sort(buttons.begin(), buttons.end());
    QCOMPARE(box.buttons, buttons);
    QCOMPARE(box.byDefault, byDefault);
  }

  void anEmptyCaptionIsTheApplicationsName() {
    QApplication::setApplicationDisplayName("HaloKorvo");
    QtUserInterface ui;
    modal::Box box;
    modal::AnswerBox(QMessageBox::Ok, box);
    ui.MessageBox("text", "", MB_OK);
    QCOMPARE(box.title, QString("HaloKorvo"));
  }

  void iconsLiveUntilDestroyed() {
    QtUserInterface ui;
    HICON large = kUntouched, small = kUntouched;
    QVERIFY(ui.ExtractShellIcons(3, &large, &small));
    QCOMPARE(ui.IconOf(large).availableSizes().front(), QSize(32, 32));
    QCOMPARE(ui.IconOf(small).availableSizes().front(), QSize(16, 16));
    QCOMPARE(ui.LiveIcons(), 2);
    ui.DestroyIcon(large);
    ui.DestroyIcon(large);   // twice: nothing more
    ui.DestroyIcon(kUntouched);  // not one of its own: nothing
    QVERIFY(ui.IconOf(large).isNull());
    QCOMPARE(ui.LiveIcons(), 1);
  }

  void missingIconsLeaveTheOutputsAlone_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("index");
    QTest::newRow("a path to nothing") << "/nonexistent/icon.png" << 0;
    QTest::newRow("a theme name of no icon") << "no-such-icon-name-anywhere" << 0;
    QTest::newRow("a second icon of a file") << "/nonexistent/icon.png" << 1;
    QTest::newRow("no name") << "" << 0;
  }
  void missingIconsLeaveTheOutputsAlone() {
    QFETCH(QString, file);
    QFETCH(int, index);
    QtUserInterface ui;
    HICON large = kUntouched, small = kUntouched;
    QVERIFY(!ui.ExtractIcons(file.toStdString(), index, 32, &large, &small));
    QCOMPARE(large, kUntouched);
    QCOMPARE(small, kUntouched);
    QVERIFY(!ui.ExtractShellIcons(5, &large, &small));
    QCOMPARE(large, kUntouched);
    QCOMPARE(ui.LoadResourceIcon(101, 16), HICON());
    QCOMPARE(ui.LiveIcons(), 0);
  }

  void anImageFileIsAnIcon() {
    QTemporaryDir folder;
    QString const path = folder.filePath("session.png");
    QImage image(48, 48, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(path));
    QtUserInterface ui;
    HICON large = nullptr, small = nullptr;
    QVERIFY(ui.ExtractIcons(path.toStdString(), 0, 8, &large, &small));
    QImage const shown = ui.IconOf(small).pixmap(16, 16).toImage();
    QCOMPARE(shown.size(), QSize(16, 16));
    QCOMPARE(QColor(shown.pixel(8, 8)), QColor(Qt::red));
  }
};

QTEST_MAIN(QtUserInterfaceTest)
#include "QtUserInterfaceTest.moc"
