// Registry export files from anywhere: the parser must refuse or accept, never crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/registry/RegFileParser.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  RegFileParser parser;
  parser.Parse(std::string_view(reinterpret_cast<char const*>(data), size));
  return 0;
}
