// A printer's page in its own device units: the whole sheet, where the printable area lies on
// it, and how many device units make an inch in each direction.
#pragma once

struct PrinterMetrics {
  int physicalWidth = 0;
  int physicalHeight = 0;
  int physicalOffsetX = 0;  // from the sheet's left edge to the printable area
  int physicalOffsetY = 0;  // from the sheet's top edge to the printable area
  int printableWidth = 0;
  int printableHeight = 0;
  int dpiX = 0;
  int dpiY = 0;
};
