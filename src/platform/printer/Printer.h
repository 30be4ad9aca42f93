// The default printer as page layout needs it: whether there is one, the metrics of its default
// page, and how tall a line of a font is on it. Called from one thread; no operation throws.
#pragma once

#include "platform/printer/PrinterMetrics.h"
#include "platform/types/LogFont.h"

class Printer {
 public:
  virtual ~Printer() = default;

  virtual bool HasDefaultPrinter() = 0;
  // The default printer's page; false, with `metrics` untouched, when the printer or its page
  // cannot be queried.
  virtual bool GetDefaultMetrics(PrinterMetrics& metrics) = 0;
  // The height of one line (text height plus external leading) of `font`, whose sizes are
  // already in the printer's device units, on a printer of `dpiY` vertical resolution.
  virtual int GetLineHeight(LOGFONT const& font, int dpiY) = 0;
};

// The process's printer service (the CUPS one unless a test installed another).
Printer& GetPrinter();
// Installs `printer` (not owned) in place of the default; null restores the default.
void SetPrinter(Printer* printer);
