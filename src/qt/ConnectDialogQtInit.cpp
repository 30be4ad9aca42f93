#include "qt/ConnectDialogQtInit.h"

#include "dialogs/ConnectDialog.h"
#include "qt/QtClipboard.h"
#include "qt/QtDialogPresenter.h"
#include "qt/connect/ConnectDialogWindow.h"

namespace {

// Every dialog model's window, derived classes first.
void AddWindows(QtDialogPresenter& presenter) {
  presenter.Add<ConnectDialog>(ConnectDialogWindow::Make);
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

void ConnectDialogQtInit() {
  static QtClipboard clipboard;
  SetDialogPresenter(&GetQtDialogPresenter());
  SetClipboard(&clipboard);
}
