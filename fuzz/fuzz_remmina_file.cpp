// .remmina files from anywhere: read, skip or refuse, never crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "exchange/RemminaFileReader.h"
#include "support/FuzzInputFile.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  FuzzInputFile const input("fuzz_remmina_file", data, size);
  if (!input.Written()) return 0;
  ImportBatch const batch = RemminaFileReader::Read(input.Path());
  for (ImportedSession const& session : batch.sessions)
    if (session.path.empty() || session.host.empty()) std::abort();
  return 0;
}
