// Any text given to CreateSessionConfig over an in-memory store with no transfer plug-ins: the
// text is parsed, tested as a numeric address and put on the default session; the result is
// always a refusal with a report, never a crash or an out-of-bounds read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "VMemoryStoreFactory.h"
#include "VProfileStoreFactory.h"
#include "VReportMessageParams.h"
#include "database/OptionsUrlSession.h"

namespace {

VMemoryStoreFactory factory;
VProfileStoreFactory* Installed() { return &factory; }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  SetProfileStoreFactoryGetter(&Installed);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  std::string const text(reinterpret_cast<char const*>(data), size);
  int transferType = 0;
  VReportMessageParams report;
  ISessionConfig* session = CreateSessionConfig(text.c_str(), transferType, report);
  if (session != nullptr || report.GetCode() == 0) std::abort();
  return 0;
}
