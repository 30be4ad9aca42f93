// cdhost: a real host of the library. It starts as its product's host, shows the Connect dialog
// when the options ask for it, and opens the chosen session's client in a terminal emulator.
#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <cstdio>

#include "CdhostStartup.h"
#include "HostArguments.h"
#include "HostSession.h"
#include "HostWindow.h"
#include "qt/ConnectDialogQtInit.h"

namespace {

QStringList ArgumentsOf(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

int Usage(HostArguments const& arguments) {
  std::fprintf(stderr, "cdhost: %s\n", arguments.Error().c_str());
  return 2;
}

// --print-command and --help answer on the terminal, without a display.
int RunWithoutWindow(QStringList const& raw) {
  HostArguments arguments;
  if (!arguments.Parse(raw)) return Usage(arguments);
  if (arguments.Help()) {
    std::printf("%s", arguments.HelpText().c_str());
    return 0;
  }
  if (!CdhostStartup::Start(arguments.ProductId())) return 1;
  return HostSession::PrintCommand(arguments.PrintCommand().value_or(""));
}

}  // namespace

int main(int argc, char** argv) {
  QStringList const raw = ArgumentsOf(argc, argv);
  if (HostArguments::RunsWithoutWindow(raw)) return RunWithoutWindow(raw);
  QApplication application(argc, argv);
  // The icon the installation puts in the desktop's theme.
  QApplication::setWindowIcon(QIcon::fromTheme("cdhost"));
  HostArguments arguments;
  if (!arguments.Parse(QApplication::arguments())) return Usage(arguments);
  GlobalConfig* config = CdhostStartup::Start(arguments.ProductId());
  if (!config) return 1;
  ConnectDialogQtInit();
  HostWindow window(*config);
  window.show();
  QTimer::singleShot(0, &window, [&window, &arguments] { window.Begin(arguments.Open()); });
  return application.exec();
}
