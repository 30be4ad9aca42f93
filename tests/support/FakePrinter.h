// A default printer whose presence, page and line heights the test decides; installed as the
// process's printer for its lifetime.
#pragma once

#include <optional>

#include "platform/printer/Printer.h"

class FakePrinter : public Printer {
 public:
  FakePrinter() { SetPrinter(this); }
  ~FakePrinter() override { SetPrinter(nullptr); }
  FakePrinter(FakePrinter const&) = delete;
  FakePrinter& operator=(FakePrinter const&) = delete;

  bool HasDefaultPrinter() override { return present; }
  bool GetDefaultMetrics(PrinterMetrics& out) override {
    if (metrics) out = *metrics;
    return metrics.has_value();
  }
  // One line is the font's height in either sign, plus a leading of two units.
  int GetLineHeight(LOGFONT const& font, int dpiY) override {
    lastFont = font;
    lastDpiY = dpiY;
    return (font.lfHeight < 0 ? -font.lfHeight : font.lfHeight) + 2;
  }

  bool present = true;
  std::optional<PrinterMetrics> metrics;  // none: the printer cannot be opened
  LOGFONT lastFont{};
  int lastDpiY = 0;
};
