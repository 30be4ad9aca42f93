#include "qt/QtDialogPresenter.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <cstdio>
#include <typeinfo>

#include "platform/ui/DialogModel.h"

int QtDialogPresenter::RunModal(DialogModel& dialog) {
  dialog.Open();
  QPointer<QDialog> window = MakeWindow(dialog, QApplication::activeWindow()).release();
  if (!window) {
    std::fprintf(stderr, "no window shows dialogs of class %s\n", typeid(dialog).name());
    dialog.EndDialog(IDCANCEL);
    return dialog.EndCode();
  }
  window->exec();
  // The window may close without a command (a crash of its parent, the session ending).
  if (!dialog.IsEnded()) dialog.OnCancel();
  if (!dialog.IsEnded()) dialog.EndDialog(IDCANCEL);
  delete window.data();
  return dialog.EndCode();
}

std::unique_ptr<QDialog> QtDialogPresenter::MakeWindow(DialogModel& dialog, QWidget* parent) const {
  for (WindowFactory const& make : m_factories) {
    if (std::unique_ptr<QDialog> window = make(dialog, parent)) return window;
  }
  return nullptr;
}
