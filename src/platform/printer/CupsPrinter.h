// The default printer through CUPS: the default destination (lpoptions, $PRINTER or the
// scheduler's default) and its default media, converted to dots at the printer's default
// resolution. CUPS offers no font metrics, so line heights follow the usual typographic rule
// of a fifth of the character height as leading.
#pragma once

#include "platform/printer/Printer.h"

class CupsPrinter : public Printer {
 public:
  bool HasDefaultPrinter() override;
  bool GetDefaultMetrics(PrinterMetrics& metrics) override;
  int GetLineHeight(LOGFONT const& font, int dpiY) override;
};
