#include "platform/printer/Printer.h"

#include "platform/printer/CupsPrinter.h"
#include "platform/service/InstalledService.h"

using InstalledPrinter = InstalledService<Printer, CupsPrinter>;

Printer& GetPrinter() { return InstalledPrinter::Get(); }

void SetPrinter(Printer* printer) { InstalledPrinter::Install(printer); }
