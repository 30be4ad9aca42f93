// User font map files from anywhere: a map of exactly 256 entries or none, never a crash. Fed
// through the file loader so that line splitting is exercised too.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "support/FuzzInputFile.h"
#include "terminal/TerminalConfig.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  FuzzInputFile const input("fuzz_font_map", data, size);
  if (!input.Written()) return 0;
  auto const map = TerminalConfig::LoadUserFontMap(input.Path());
  if (!map) std::abort();
  volatile uint16_t last = map->back();
  (void)last;
  return 0;
}
