#include "qt/ConnectDialogQtInit.h"

#include "qt/QtDialogPresenter.h"

namespace {

// Every dialog model's window, derived classes first.
void AddWindows(QtDialogPresenter&) {}

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
