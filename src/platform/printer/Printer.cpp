#include "platform/printer/Printer.h"

#include "platform/printer/CupsPrinter.h"

namespace {

Printer* g_installed = nullptr;

Printer& DefaultPrinter() {
  static CupsPrinter cups;
  return cups;
}

}  // namespace

Printer& GetPrinter() { return g_installed ? *g_installed : DefaultPrinter(); }

void SetPrinter(Printer* printer) { g_installed = printer; }
