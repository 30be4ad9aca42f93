// The Qt user interface: file filters, message boxes and icons; and the presenter that runs a
// dialog model's window.
#include <QDialog>
#include <algorithm>

#include "ModalDriver.h"
#include "platform/ui/DialogModel.h"
#include "qt/QtDialogPresenter.h"
#include "qt/QtFileFilter.h"
#include "qt/QtUserInterface.h"

namespace {

HICON const kUntouched = reinterpret_cast<HICON>(0xDEADBEEF);

class CountingModel : public DialogModel {
 public:
  void Open() override { DialogModel::Open(); ++opened; }
  void OnCancel() override { if (!refuseCancel) DialogModel::OnCancel(); }
  int opened = 0;
  bool refuseCancel = false;
};

class OtherModel : public DialogModel {};

// A window with one OK button that goes through the model.
std::unique_ptr<QDialog> MakeOkWindow(CountingModel& model, QWidget* parent) {
  auto window = std::make_unique<QDialog>(parent);
  auto* ok = new QPushButton("OK", window.get());
  ok->setObjectName("ok");
  QDialog* raw = window.get();
  QObject::connect(ok, &QPushButton::clicked, raw, [&model, raw] {
    model.OnOK();
    if (model.IsEnded()) raw->done(model.EndCode());
  });
  return window;
}

}  // namespace

class QtUserInterfaceTest : public QObject {
  Q_OBJECT

 private slots:
  // The patterns are taken, not what the name shows; a pair or a name without patterns is left out.
  void filtersTakeQtsForm() {
    struct Case { char const* filter; QStringList filters; };
    for (Case const& c : {Case{"Script Files (*.vbs;*.js;*.pl)|*.vbs;*.js;*.pl|All Files (*.*)|*.*||",
                               {"Script Files (*.vbs *.js *.pl)", "All Files (*)"}},
                          Case{"Keymaps (*.key)|*.key; *.KEY||", {"Keymaps (*.key *.KEY)"}},
                          Case{"Text|*.txt||", {"Text (*.txt)"}}, Case{"Broken||All|*||", {"All (*)"}},
                          Case{"Lonely", {}}, Case{"", {}}})
      QCOMPARE(QtFileFilter::Filters(c.filter), c.filters);
    for (auto [extensions, suffix] : {std::pair{"*.vbs; *.js; *.pl", "vbs"}, {".reg", "reg"}, {"ini", "ini"},
                                      {"*.*", ""}, {"", ""}})
      QCOMPARE(QtFileFilter::DefaultSuffix(extensions), QString(suffix));
  }

  // Icon, buttons and the default button follow the type; the answer is the button pressed; the
  // text's CR LF become line feeds; an empty caption is the application's name.
  void messageBoxesFollowTheirType() {
    using B = QMessageBox;
    struct Case { unsigned type; B::Icon icon; QList<B::StandardButton> buttons; B::StandardButton byDefault, press;
                  int answer; char const* caption; };
    QApplication::setApplicationDisplayName("HaloKorvo");
    Case const cases[] = {
        {MB_OK | MB_ICONWARNING, B::Warning, {B::Ok}, B::Ok, B::Ok, IDOK, "Caption"},
        {MB_OKCANCEL | MB_ICONERROR, B::Critical, {B::Ok, B::Cancel}, B::Ok, B::Cancel, IDCANCEL, "Caption"},
        {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, B::Question, {B::Yes, B::No}, B::No, B::Yes, IDYES, "Caption"},
        {MB_YESNOCANCEL | MB_ICONINFORMATION | MB_DEFBUTTON3, B::Information, {B::Yes, B::No, B::Cancel}, B::Cancel,
         B::No, IDNO, "Caption"},
        {MB_YESNO | MB_DEFBUTTON3, B::NoIcon, {B::Yes, B::No}, B::Yes, B::No, IDNO, ""},  // past the buttons: the first
    };
    for (Case c : cases) {
      QtUserInterface ui;
      modal::Box box;
      modal::AnswerBox(c.press, box);
      QCOMPARE(ui.MessageBox("first line\r\nsecond line", c.caption, c.type), c.answer);
      QVERIFY(box.shown);
      QCOMPARE(box.title, QString(*c.caption ? c.caption : "HaloKorvo"));
      QCOMPARE(box.text, QString("first line\nsecond line"));
      QCOMPARE(box.icon, c.icon);
      std::sort(box.buttons.begin(), box.buttons.end());
      std::sort(c.buttons.begin(), c.buttons.end());
      QCOMPARE(box.buttons, c.buttons);
      QCOMPARE(box.byDefault, c.byDefault);
    }
  }

  // Shell icons live until destroyed; an image file is an icon; a path to nothing, a theme name of
  // no icon, a second icon of a file or no name leave the outputs alone.
  void icons() {
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
    QTemporaryDir folder;
    QImage image(48, 48, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(folder.filePath("session.png")));
    QVERIFY(ui.ExtractIcons(folder.filePath("session.png").toStdString(), 0, 8, &large, &small));
    QImage const shown = ui.IconOf(small).pixmap(16, 16).toImage();
    QCOMPARE(shown.size(), QSize(16, 16));
    QCOMPARE(QColor(shown.pixel(8, 8)), QColor(Qt::red));
    for (auto [file, index] : {std::pair{"/nonexistent/icon.png", 0}, {"no-such-icon-name-anywhere", 0},
                               {"/nonexistent/icon.png", 1}, {"", 0}}) {
      QtUserInterface none;
      large = small = kUntouched;
      QVERIFY(!none.ExtractIcons(file, index, 32, &large, &small) && !none.ExtractShellIcons(5, &large, &small));
      QVERIFY(large == kUntouched && small == kUntouched);
      QCOMPARE(none.LoadResourceIcon(101, 16), HICON());
      QCOMPARE(none.LiveIcons(), 0);
    }
  }

  // The model's window runs until the model ends, with its code; a window closed without the
  // model's consent cancels the model all the same; a model without a window is cancelled.
  void runsTheModelsWindowUntilTheModelEnds() {
    QtDialogPresenter presenter;
    presenter.Add<CountingModel>(MakeOkWindow);
    CountingModel model;
    QTimer::singleShot(0, [] {
      QTest::mouseClick(QApplication::activeModalWidget()->findChild<QPushButton*>("ok"), Qt::LeftButton);
    });
    QCOMPARE(presenter.RunModal(model), IDOK);
    QCOMPARE(model.opened, 1);
    CountingModel refusing;
    refusing.refuseCancel = true;
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    QCOMPARE(presenter.RunModal(refusing), IDCANCEL);
    QVERIFY(refusing.IsEnded());
    OtherModel other;
    QCOMPARE(presenter.RunModal(other), IDCANCEL);
  }
};

QTEST_MAIN(QtUserInterfaceTest)
#include "QtUserInterfaceTest.moc"
