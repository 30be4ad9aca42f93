#include "platform/printer/CupsPrinter.h"

#include <cups/cups.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

namespace {

// Used when a printer does not advertise its resolution.
constexpr int kFallbackDpi = 300;
constexpr double kHundredthsOfMmPerInch = 2540.0;

struct DestFree {
  void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
struct InfoFree {
  void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};
using DestPtr = std::unique_ptr<cups_dest_t, DestFree>;
using InfoPtr = std::unique_ptr<cups_dinfo_t, InfoFree>;

DestPtr DefaultDest() { return DestPtr(cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr)); }

void DefaultResolution(cups_dest_t* dest, cups_dinfo_t* info, int& dpiX, int& dpiY) {
  dpiX = dpiY = kFallbackDpi;
  ipp_attribute_t* attribute = cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution");
  if (!attribute) return;
  int y = 0;
  ipp_res_t units = IPP_RES_PER_INCH;
  int const x = ippGetResolution(attribute, 0, &y, &units);
  if (x <= 0 || y <= 0) return;
  double const perInch = units == IPP_RES_PER_CM ? 2.54 : 1.0;
  dpiX = static_cast<int>(std::lround(x * perInch));
  dpiY = static_cast<int>(std::lround(y * perInch));
}

int ToDots(int hundredthsOfMm, int dpi) {
  return static_cast<int>(std::lround(hundredthsOfMm * static_cast<double>(dpi) / kHundredthsOfMmPerInch));
}

}  // namespace

bool CupsPrinter::HasDefaultPrinter() { return DefaultDest() != nullptr; }

bool CupsPrinter::GetDefaultMetrics(PrinterMetrics& metrics) {
  DestPtr const dest = DefaultDest();
  if (!dest) return false;
  InfoPtr const info(cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest.get()));
  cups_size_t size{};
  if (!info || !cupsGetDestMediaDefault(CUPS_HTTP_DEFAULT, dest.get(), info.get(), 0, &size)) return false;
  PrinterMetrics page;
  DefaultResolution(dest.get(), info.get(), page.dpiX, page.dpiY);
  page.physicalWidth = ToDots(size.width, page.dpiX);
  page.physicalHeight = ToDots(size.length, page.dpiY);
  page.physicalOffsetX = ToDots(size.left, page.dpiX);
  page.physicalOffsetY = ToDots(size.top, page.dpiY);
  page.printableWidth = ToDots(size.width - size.left - size.right, page.dpiX);
  page.printableHeight = ToDots(size.length - size.top - size.bottom, page.dpiY);
  metrics = page;
  return true;
}

int CupsPrinter::GetLineHeight(LOGFONT const& font, int dpiY) {
  // A positive height is already the cell height; a zero one asks for the usual 12 points.
  if (font.lfHeight > 0) return font.lfHeight;
  int64_t const character = font.lfHeight < 0 ? -static_cast<int64_t>(font.lfHeight) : dpiY / 6;
  return static_cast<int>(std::min<int64_t>(character + (character + 2) / 5, INT32_MAX));
}
