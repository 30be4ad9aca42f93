#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "platform/ui/DialogModel.h"
#include "qt/QtDialogPresenter.h"

namespace {

class CountingModel : public DialogModel {
 public:
  void Open() override {
    DialogModel::Open();
    ++opened;
  }
  void OnCancel() override {
    if (refuseCancel) return;
    DialogModel::OnCancel();
  }
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

// Clicks the named button of the modal window once it is shown.
void ClickWhenShown(char const* name) {
  QTimer::singleShot(0, [name] {
    QWidget* window = QApplication::activeModalWidget();
    QVERIFY(window);
    QTest::mouseClick(window->findChild<QPushButton*>(name), Qt::LeftButton);
  });
}

}  // namespace

class QtDialogPresenterTest : public QObject {
  Q_OBJECT

 private slots:
  void endsWithTheModelsCode() {
    QtDialogPresenter presenter;
    presenter.Add<CountingModel>(MakeOkWindow);
    CountingModel model;
    ClickWhenShown("ok");
    QCOMPARE(presenter.RunModal(model), IDOK);
    QCOMPARE(model.opened, 1);
  }

  void aWindowClosedWithoutTheModelCancelsIt() {
    QtDialogPresenter presenter;
    presenter.Add<CountingModel>(MakeOkWindow);
    CountingModel model;
    model.refuseCancel = true;
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    QCOMPARE(presenter.RunModal(model), IDCANCEL);
    QVERIFY(model.IsEnded());
  }

  void aModelWithoutWindowIsCancelled() {
    QtDialogPresenter presenter;
    presenter.Add<CountingModel>(MakeOkWindow);
    OtherModel model;
    QCOMPARE(presenter.RunModal(model), IDCANCEL);
  }
};

QTEST_MAIN(QtDialogPresenterTest)
#include "QtDialogPresenterTest.moc"
