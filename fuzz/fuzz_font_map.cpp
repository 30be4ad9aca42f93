// User font map files from anywhere: a map of exactly 256 entries or none, never a crash. Fed
// through the file loader so that line splitting is exercised too.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "terminal/TerminalConfig.h"

namespace {

std::string const& InputPath() {
  static std::string const path = [] {
    char const* tmp = std::getenv("TMPDIR");
    return std::string(tmp && *tmp ? tmp : "/tmp") + "/fuzz_font_map." + std::to_string(getpid()) + ".map";
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  FILE* file = std::fopen(InputPath().c_str(), "wb");
  if (!file) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);
  auto const map = TerminalConfig::LoadUserFontMap(InputPath().c_str());
  std::remove(InputPath().c_str());
  if (!map) std::abort();
  volatile uint16_t last = map->back();
  (void)last;
  return 0;
}
