#include "qt/ConnectDialogQtInit.h"

#include "VPageDialog.h"
#include "VPropertyTreeDialog.h"
#include "dialogs/ConnectDialog.h"
#include "dialogs/NewSessionWizard.h"
#include "dialogs/NextKeyDialog.h"
#include "dialogs/QuickConnectDialog.h"
#include "dialogs/SelectedKeyDialog.h"
#include "dialogs/ShortcutNameDialog.h"
#include "platform/ui/UserInterface.h"
#include "qt/QtClipboard.h"
#include "qt/QtDialogPresenter.h"
#include "qt/QtNewSessionWizardWindow.h"
#include "qt/QtNextKeyWindow.h"
#include "qt/QtPageDialogWindow.h"
#include "qt/QtPropertyTreeWindow.h"
#include "qt/QtSelectedKeyWindow.h"
#include "qt/QtUserInterface.h"
#include "qt/QuickConnectWindow.h"
#include "qt/connect/ConnectDialogWindow.h"
#include "qt/connect/ShortcutNameWindow.h"

namespace {

template <typename Window, typename Model>
std::unique_ptr<QDialog> Make(Model& model, QWidget* parent) {
  return std::make_unique<Window>(model, parent);
}

// Every dialog model's window, derived classes first.
void AddWindows(QtDialogPresenter& presenter) {
  presenter.Add<VPropertyTreeDialog>(Make<QtPropertyTreeWindow, VPropertyTreeDialog>);
  presenter.Add<SelectedKeyDialog>(Make<QtSelectedKeyWindow, SelectedKeyDialog>);
  presenter.Add<NextKeyDialog>(Make<QtNextKeyWindow, NextKeyDialog>);
  presenter.Add<ConnectDialog>(ConnectDialogWindow::Make);
  presenter.Add<QuickConnectDialog>(&QuickConnectWindow::Make);
  presenter.Add<NewSessionWizard>(Make<QtNewSessionWizardWindow, NewSessionWizard>);
  presenter.Add<ShortcutNameDialog>(Make<ShortcutNameWindow, ShortcutNameDialog>);
  presenter.Add<VPageDialog>(Make<QtPageDialogWindow, VPageDialog>);
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

QtUserInterface& GetQtUserInterface() {
  static QtUserInterface* const ui = new QtUserInterface;
  return *ui;
}

void ConnectDialogQtInit() {
  SetUserInterface(&GetQtUserInterface());
  SetDialogPresenter(&GetQtDialogPresenter());
  static QtClipboard clipboard;
  SetClipboard(&clipboard);
}
