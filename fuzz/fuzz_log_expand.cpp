// Log file name patterns from anywhere, with any time: the expander must give a name, never crash
// or read out of bounds. The input is eight bytes of time, then pattern, host and session split
// at zero bytes; a host or session left out is null.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "transfer/LogFile.h"

namespace {

// The next part of `rest` up to a zero byte, or null when none is left.
char const* TakePart(std::string_view& rest, std::string& part) {
  if (rest.data() == nullptr) return nullptr;
  size_t const end = rest.find('\0');
  part = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  return part.c_str();
}

}  // namespace

// Variables whose values hold codes, and one longer than the expansion buffer.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("A", "%H:%S%%%", 1);
  setenv("LONG", std::string(600, 'x').append("%Y").c_str(), 1);
  setenv("TZ", "UTC0", 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  VTime time = 0;
  if (size < sizeof time) return 0;
  std::memcpy(&time, data, sizeof time);
  std::string_view rest(reinterpret_cast<char const*>(data) + sizeof time, size - sizeof time);
  std::string pattern, host, session;
  TakePart(rest, pattern);
  char const* hostPart = TakePart(rest, host);
  char const* sessionPart = TakePart(rest, session);
  LogFile::Expand(hostPart, sessionPart, &time, VString(pattern));
  return 0;
}
