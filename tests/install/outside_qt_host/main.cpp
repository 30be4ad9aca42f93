// Installs the Qt front end and says whether the library now shows its dialogs through it.
#include <QApplication>
#include <cstdio>

#include "platform/ui/DialogPresenter.h"
#include "qt/ConnectDialogQtInit.h"
#include "qt/QtDialogPresenter.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  ConnectDialogQtInit();
  DialogPresenter* const installed = &GetDialogPresenter();
  std::printf("%s\n", installed == &GetQtDialogPresenter() ? "qt" : "headless");
  return 0;
}
