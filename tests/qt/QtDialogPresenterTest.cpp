#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QtTest>

#include "platform/ui/DialogModel.h"
#include "qt/QtDialogPresenter.h"

namespace {

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

class QtDialogPresenterTest : public QObject {
  Q_OBJECT

 private slots:
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

QTEST_MAIN(QtDialogPresenterTest)
#include "QtDialogPresenterTest.moc"
