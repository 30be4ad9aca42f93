#include "platform/environment/ExpandEnvironmentStrings.h"

#include <cstdlib>

namespace {

// The value of a set variable, or null. Names holding "=" cannot be set, so they are never looked
// up (getenv would match them against the wrong entry).
char const* Lookup(std::string_view name) {
  if (name.empty() || name.find('=') != std::string_view::npos) return nullptr;
  return std::getenv(std::string(name).c_str());
}

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Cuts `text` to `maxLength` bytes; a character whose bytes the cut would split goes whole. A
// UTF-8 character has at most three continuation bytes, so malformed runs cost no more than that.
void Cut(std::string& text, size_t maxLength) {
  if (text.size() <= maxLength) return;
  size_t end = maxLength;
  while (end > 0 && maxLength - end < 3 && IsContinuationByte(text[end])) --end;
  text.resize(end);
}

}  // namespace

std::string ExpandEnvironmentStrings(std::string_view text, size_t maxLength) {
  std::string out;
  size_t at = 0;
  while (at < text.size() && out.size() <= maxLength) {
    size_t const open = text.find('%', at);
    size_t const close = open == std::string_view::npos ? open : text.find('%', open + 1);
    if (close == std::string_view::npos) {
      out.append(text.substr(at));
      break;
    }
    out.append(text.substr(at, open - at));
    if (char const* value = Lookup(text.substr(open + 1, close - open - 1))) {
      out.append(value);
      at = close + 1;
    } else {
      // The closing sign may open the next reference: "%unset%HOME%" still expands HOME.
      out.append(text.substr(open, close - open));
      at = close;
    }
  }
  Cut(out, maxLength);
  return out;
}
