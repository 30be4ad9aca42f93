#include "VKeyChord.h"

#include <array>
#include <cctype>
#include <string>
#include <utility>

#include "platform/types/VirtualKeys.h"

namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

// The named keys, in lower case.
int NamedKey(std::string const& name) {
  static constexpr std::array<std::pair<char const*, int>, 24> names{{
      {"tab", VK_TAB},       {"pgdn", VK_NEXT},     {"pagedown", VK_NEXT},  {"next", VK_NEXT},
      {"pgup", VK_PRIOR},    {"pageup", VK_PRIOR},  {"prior", VK_PRIOR},    {"enter", VK_RETURN},
      {"return", VK_RETURN}, {"esc", VK_ESCAPE},    {"escape", VK_ESCAPE},  {"space", VK_SPACE},
      {"home", VK_HOME},     {"end", VK_END},       {"left", VK_LEFT},      {"right", VK_RIGHT},
      {"up", VK_UP},         {"down", VK_DOWN},     {"insert", VK_INSERT},  {"ins", VK_INSERT},
      {"delete", VK_DELETE}, {"del", VK_DELETE},    {"backspace", VK_BACK}, {"pause", VK_PAUSE},
  }};
  for (auto const& [written, key] : names)
    if (name == written) return key;
  if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
    return std::toupper(static_cast<unsigned char>(name[0]));  // letters and digits are their own codes
  if (name.size() >= 2 && name.size() <= 3 && name[0] == 'f' && std::isdigit(static_cast<unsigned char>(name[1]))) {
    int const number = std::stoi(name.substr(1));
    if (name.find_first_not_of("0123456789", 1) == std::string::npos && number >= 1 && number <= 24)
      return 0x70 + number - 1;  // VK_F1 onwards
  }
  return 0;
}

}  // namespace

bool VKeyChord::Parse(std::string_view text, VKeyChord& chord) {
  VKeyChord parsed;
  size_t start = 0;
  while (start <= text.size()) {
    size_t const end = std::min(text.find('+', start), text.size());
    std::string const part = Lower(text.substr(start, end - start));
    bool* modifier = part == "ctrl" || part == "control" ? &parsed.ctrl
                     : part == "shift"                   ? &parsed.shift
                     : part == "alt"                     ? &parsed.alt
                                                         : nullptr;
    bool const last = end == text.size();
    if (modifier && !last) {
      if (*modifier) return false;
      *modifier = true;
    } else {
      int const key = last ? NamedKey(part) : 0;
      if (key == 0) return false;
      parsed.virtualKey = key;
    }
    start = end + 1;
  }
  chord = parsed;
  return true;
}
