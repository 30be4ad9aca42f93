// Saved-session files of the terminal client from anywhere: read, skip or refuse, never crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "exchange/PuttySessionReader.h"
#include "support/FuzzInputFile.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  FuzzInputFile const input("fuzz_putty_session", data, size);
  if (!input.Written()) return 0;
  ImportBatch const batch = PuttySessionReader::Read(input.Path());
  if (batch.sessions.size() + batch.outcomes.size() > 1) std::abort();
  PuttySessionReader::DecodeName(std::string(reinterpret_cast<char const*>(data), size));
  return 0;
}
