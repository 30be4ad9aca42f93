// Keymap files from anywhere: loading must accept, warn or refuse, never crash, and leave no
// code outside the vocabulary.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "VReportMessageParams.h"
#include "terminal/Keymap.h"

namespace {

// One file per process, written for each input and removed after it.
std::string const& InputPath() {
  static std::string const path = [] {
    char const* tmp = std::getenv("TMPDIR");
    return std::string(tmp && *tmp ? tmp : "/tmp") + "/fuzz_keymap_file." + std::to_string(getpid()) + ".map";
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  FILE* file = std::fopen(InputPath().c_str(), "wb");
  if (!file) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);
  Keymap keymap;
  VReportMessageParams report;
  keymap.Load(InputPath().c_str(), report);
  std::remove(InputPath().c_str());
  report.GetText();
  for (int index = 0; index < Keymap::kIndexCount; ++index)
    if (keymap.GetKeyCode(index) < 0 || keymap.GetKeyCode(index) >= Keymap::kCodeCount) std::abort();
  return 0;
}
