// Checks page margins against the default printer's page: that each margin reaches no further
// out than the printable area, and that together they leave a page. Setup tells the user, in a
// warning box, when there is no printer to check against; the checks report through their
// message and never show anything themselves.
#pragma once

#include <cstdint>

#include "VMarginData.h"
#include "VString.h"
#include "platform/printer/PrinterMetrics.h"
#include "platform/types/LogFont.h"

class VValidateMargins {
 public:
  // Reads the default printer's page and converts the margins to device positions; with a font,
  // also measures its line height on the printer. False after showing the report when there is
  // no default printer (0xE104004B) or its page cannot be read (0xE104004A).
  bool Setup(VMarginData const& margins, LOGFONT const* font);
  // False for the first margin (left, right, top, bottom) that lies outside the printable
  // area; `minimum` then gets that margin's smallest allowed value in inches.
  bool CheckMinimums(double& minimum);
  // False when the margins leave the page or overlap.
  bool CheckLayout();
  // The text of the last failed check, empty after a check that passed.
  VString const& GetMessage() const { return m_message; }

  PrinterMetrics const& GetMetrics() const { return m_metrics; }
  // Margin positions in device units, measured from the printable area's top left corner.
  int64_t Left() const { return m_left; }
  int64_t Right() const { return m_right; }
  int64_t Top() const { return m_top; }
  int64_t Bottom() const { return m_bottom; }
  // Text height plus external leading of Setup's font on the printer; 0 without a font.
  int GetLineHeight() const { return m_lineHeight; }

 private:
  static bool Report(unsigned long code);
  void ConvertMargins(VMarginData const& margins);
  bool Fail(char const* format, double minimumInches, double& minimum);

  PrinterMetrics m_metrics;
  int64_t m_left = 0;
  int64_t m_right = 0;
  int64_t m_top = 0;
  int64_t m_bottom = 0;
  int m_lineHeight = 0;
  VString m_message;
};
