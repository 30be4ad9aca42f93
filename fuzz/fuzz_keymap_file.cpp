// Keymap files from anywhere: loading must accept, warn or refuse, never crash, and leave no
// code outside the vocabulary.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "VReportMessageParams.h"
#include "support/FuzzInputFile.h"
#include "terminal/Keymap.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  FuzzInputFile const input("fuzz_keymap_file", data, size);
  if (!input.Written()) return 0;
  Keymap keymap;
  VReportMessageParams report;
  keymap.Load(input.Path(), report);
  report.GetText();
  for (int index = 0; index < Keymap::kIndexCount; ++index)
    if (keymap.GetKeyCode(index) < 0 || keymap.GetKeyCode(index) >= Keymap::kCodeCount) std::abort();
  return 0;
}
