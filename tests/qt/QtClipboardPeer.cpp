// One side of the two-process clipboard test, a host on the X display of $DISPLAY with the
// store of $BRIMVALE_ROOT: "copy PATH" selects PATH in the Connect dialog window, clicks Copy,
// prints "copied" and keeps the clipboard until its standard input closes; "paste PATH" selects
// PATH, clicks Paste and closes. Exits 0 when the button was there to click and no message was
// shown, else 1 with what went wrong on the standard error stream.
#include <QSocketNotifier>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "Controls.h"
#include "database/ConfigFolderStoreFactory.h"
#include "dialogs/ConnectDialog.h"
#include "library/LibraryState.h"
#include "library/ProductInfo.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "qt/ConnectDialogQtInit.h"
#include "qt/connect/ConnectDialogWindow.h"
#include "qt/connect/ConnectTreeModel.h"
#include "qt/connect/ConnectTreeView.h"

namespace {

int g_failures = 0;

void Fail(std::string const& why) {
  std::fprintf(stderr, "%s\n", why.c_str());
  ++g_failures;
}

// Selects `path` as a click would and presses the toolbar button `name`.
void Press(ConnectDialogWindow& window, std::string const& path, QString const& name) {
  for (size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1))
    window.Tree()->expand(window.TreeModel()->IndexOf(path.substr(0, at)));
  QModelIndex const index = window.TreeModel()->IndexOf(path);
  if (!index.isValid()) return Fail("no item " + path);
  window.Tree()->setCurrentIndex(index);
  auto* button = Named<QToolButton>(window, name);
  if (!button || !button->isEnabled()) return Fail(name.toStdString() + " is not enabled");
  button->click();
}

void WhenShown(bool copy, std::string const& path) {
  auto* window = qobject_cast<ConnectDialogWindow*>(QApplication::activeModalWidget());
  if (!window) {
    Fail("the Connect dialog window is not shown");
    return QApplication::exit(1);
  }
  Press(*window, path, copy ? QStringLiteral("Copy") : QStringLiteral("Paste"));
  if (!copy || g_failures) return window->reject();
  std::printf("copied\n");
  std::fflush(stdout);
  auto* input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, window);
  QObject::connect(input, &QSocketNotifier::activated, window, [window] {
    char byte;
    if (read(STDIN_FILENO, &byte, 1) <= 0) window->reject();
  });
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  std::string const mode = argc == 3 ? argv[1] : "";
  if (mode != "copy" && mode != "paste") {
    std::fprintf(stderr, "usage: QtClipboardPeer copy|paste PATH\n");
    return 2;
  }
  SetCurrentAppProductID(kProductHaloKorvo);
  ConnectDialogDllInitApplicationName(LookupProductName(kProductHaloKorvo));
  ConnectDialogDllInitConfigFolderFactory();
  ConnectDialogQtInit();
  HeadlessUserInterface ui;
  SetUserInterface(&ui);
  std::string const path = argv[2];
  QTimer::singleShot(0, [copy = mode == "copy", path] { WhenShown(copy, path); });
  ConnectDialog dialog("Sessions", false, false);
  dialog.DoModal();
  for (ShownDialog const& shown : ui.Shown()) Fail("shown: " + shown.text);
  SetUserInterface(nullptr);
  return g_failures ? 1 : 0;
}
