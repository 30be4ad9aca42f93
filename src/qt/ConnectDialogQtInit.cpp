#include "qt/ConnectDialogQtInit.h"

#include "dialogs/QuickConnectDialog.h"
#include "qt/QtDialogPresenter.h"
#include "qt/QuickConnectWindow.h"

namespace {

// Every dialog model's window, derived classes first.
void AddWindows(QtDialogPresenter& presenter) {
  presenter.Add<QuickConnectDialog>(&QuickConnectWindow::Make);
}

}  // namespace

QtDialogPresenter& GetQtDialogPresenter() {
  static QtDialogPresenter* const presenter = [] {
    auto* made = new QtDialogPresenter;
    AddWindows(*made);
    return made;
  }();
  return *presenter;
}

void ConnectDialogQtInit() { SetDialogPresenter(&GetQtDialogPresenter()); }
