// Any text as a connection URL: parsing must succeed or report, never crash or read out of
// bounds, and a parse that succeeds must leave the transfer type in its three values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "VReportMessageParams.h"
#include "platform/net/NumericAddress.h"
#include "session/URL.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  std::string const text(reinterpret_cast<char const*>(data), size);
  URL url("guest@");
  VReportMessageParams report;
  if (url.ParseAppUrl(text.c_str(), report)) {
    int const type = url.GetTransferType();
    if (type != -1 && type != 1 && type != 2) std::abort();
  } else if (report.GetCode() == 0) {
    std::abort();
  }
  NumericAddress::IsNumericHost(text.c_str());
  return 0;
}
