#include "platform/net/NumericAddress.h"

#include <netdb.h>
#include <sys/socket.h>

#include <cstring>

bool NumericAddress::IsNumericHost(char const* text) {
  if (text == nullptr || *text == '\0') return false;
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;  // one answer per address instead of one per socket type
  hints.ai_flags = AI_NUMERICHOST;  // a name is refused here, never looked up
  addrinfo* found = nullptr;
  if (getaddrinfo(text, nullptr, &hints, &found) != 0) return false;
  bool const isIPv4 = found->ai_family == AF_INET;
  freeaddrinfo(found);
  return !isIPv4 || HasDottedShape(text);
}

bool NumericAddress::HasDottedShape(char const* text) {
  auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  if (!isDigit(text[0])) return false;
  int dots = 0;
  for (char const* dot = std::strchr(text, '.'); dot != nullptr; dot = std::strchr(dot + 1, '.')) {
    if (!isDigit(dot[1])) return false;
    ++dots;
  }
  return dots == 3;
}
