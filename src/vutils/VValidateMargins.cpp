#include "VValidateMargins.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "VLogFont.h"
#include "VReportMessageParams.h"
#include "platform/msgtable/SystemMessageTable.h"
#include "platform/printer/Printer.h"
#include "platform/ui/UserInterface.h"

namespace {

// Inches to device units, rounded half up; NaN and values beyond 32 bits saturate so that a
// nonsensical margin fails its check instead of wrapping around.
int64_t ToDevice(double inches, int dpi) {
  double const dots = inches * dpi + 0.5;
  if (!(dots > INT32_MIN)) return INT32_MIN;
  if (dots >= INT32_MAX) return INT32_MAX;
  return static_cast<int64_t>(dots);
}

int32_t ScaleFromScreen(int32_t size, int dpi) {
  return static_cast<int32_t>(std::lround(static_cast<double>(size) * dpi / VLogFont::kScreenDpi));
}

}  // namespace

bool VValidateMargins::Setup(VMarginData const& margins, LOGFONT const* font) {
  Printer& printer = GetPrinter();
  if (!printer.HasDefaultPrinter()) return Report(kCodeNoDefaultPrinter);
  PrinterMetrics metrics;
  if (!printer.GetDefaultMetrics(metrics) || metrics.dpiX <= 0 || metrics.dpiY <= 0)
    return Report(kCodeNoPrinterContext);
  m_metrics = metrics;
  ConvertMargins(margins);
  m_lineHeight = 0;
  if (font) {
    LOGFONT scaled = *font;
    scaled.lfHeight = ScaleFromScreen(font->lfHeight, metrics.dpiY);
    scaled.lfWidth = ScaleFromScreen(font->lfWidth, metrics.dpiX);
    m_lineHeight = printer.GetLineHeight(scaled, metrics.dpiY);
  }
  return true;
}

bool VValidateMargins::Report(unsigned long code) {
  VReportMessageParams report;
  report.Reset(code);
  GetUserInterface().MessageBox(report.GetText(), "", MB_OK | MB_ICONWARNING);
  return false;
}

void VValidateMargins::ConvertMargins(VMarginData const& margins) {
  PrinterMetrics const& m = m_metrics;
  m_left = ToDevice(margins.left, m.dpiX) - m.physicalOffsetX;
  m_right = m.physicalWidth - ToDevice(margins.right, m.dpiX) - m.physicalOffsetX;
  m_top = ToDevice(margins.top, m.dpiY) - m.physicalOffsetY;
  m_bottom = m.physicalHeight - ToDevice(margins.bottom, m.dpiY) - m.physicalOffsetY;
}

bool VValidateMargins::CheckMinimums(double& minimum) {
  PrinterMetrics const& m = m_metrics;
  int64_t const printableRight = m.physicalOffsetX + int64_t{m.printableWidth};
  int64_t const printableBottom = m.physicalOffsetY + int64_t{m.printableHeight};
  if (m_left < 0) return Fail("The minimum left margin is %.3f", double(m.physicalOffsetX) / m.dpiX, minimum);
  if (m_right + m.physicalOffsetX > printableRight)
    return Fail("The minimum right margin is %.3f", double(m.physicalWidth - printableRight) / m.dpiX, minimum);
  if (m_top < 0) return Fail("The minimum top margin is %.3f", double(m.physicalOffsetY) / m.dpiY, minimum);
  if (m_bottom + m.physicalOffsetY > printableBottom)
    return Fail("The minimum bottom margin is %.3f", double(m.physicalHeight - printableBottom) / m.dpiY, minimum);
  m_message.Empty();
  return true;
}

bool VValidateMargins::Fail(char const* format, double minimumInches, double& minimum) {
  char text[64];
  std::snprintf(text, sizeof text, format, minimumInches);
  m_message = text;
  minimum = minimumInches;
  return false;
}

bool VValidateMargins::CheckLayout() {
  bool const fits = m_left < m_metrics.physicalWidth && m_right <= m_metrics.physicalWidth &&
                    m_top <= m_metrics.physicalHeight && m_bottom <= m_metrics.physicalHeight && m_left <= m_right &&
                    m_top <= m_bottom;
  if (fits)
    m_message.Empty();
  else
    m_message = "Margins are either off the page or overlap";
  return fits;
}
