#include "terminal/VirtualKeyNames.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/types/VirtualKeys.h"

namespace {

struct KeyName {
  std::string_view name;
  int virtualKey;
};

// Sorted by byte order of the names, for binary search.
constexpr KeyName kKeyNames[] = {
    {"VK_0", VK_0},
    {"VK_1", VK_1},
    {"VK_2", VK_2},
    {"VK_3", VK_3},
    {"VK_4", VK_4},
    {"VK_5", VK_5},
    {"VK_6", VK_6},
    {"VK_7", VK_7},
    {"VK_8", VK_8},
    {"VK_9", VK_9},
    {"VK_A", VK_A},
    {"VK_ADD", VK_ADD},
    {"VK_APPS", VK_APPS},
    {"VK_B", VK_B},
    {"VK_BACK", VK_BACK},
    {"VK_C", VK_C},
    {"VK_CANCEL", VK_CANCEL},
    {"VK_CAPITAL", VK_CAPITAL},
    {"VK_CLEAR", VK_CLEAR},
    {"VK_CONTROL", VK_CONTROL},
    {"VK_D", VK_D},
    {"VK_DECIMAL", VK_DECIMAL},
    {"VK_DELETE", VK_DELETE},
    {"VK_DIVIDE", VK_DIVIDE},
    {"VK_DOWN", VK_DOWN},
    {"VK_E", VK_E},
    {"VK_END", VK_END},
    {"VK_ESCAPE", VK_ESCAPE},
    {"VK_EXECUTE", VK_EXECUTE},
    {"VK_F", VK_F},
    {"VK_F1", VK_F1},
    {"VK_F10", VK_F10},
    {"VK_F11", VK_F11},
    {"VK_F12", VK_F12},
    {"VK_F13", VK_F13},
    {"VK_F14", VK_F14},
    {"VK_F15", VK_F15},
    {"VK_F16", VK_F16},
    {"VK_F17", VK_F17},
    {"VK_F18", VK_F18},
    {"VK_F19", VK_F19},
    {"VK_F2", VK_F2},
    {"VK_F20", VK_F20},
    {"VK_F21", VK_F21},
    {"VK_F22", VK_F22},
    {"VK_F23", VK_F23},
    {"VK_F24", VK_F24},
    {"VK_F3", VK_F3},
    {"VK_F4", VK_F4},
    {"VK_F5", VK_F5},
    {"VK_F6", VK_F6},
    {"VK_F7", VK_F7},
    {"VK_F8", VK_F8},
    {"VK_F9", VK_F9},
    {"VK_G", VK_G},
    {"VK_H", VK_H},
    {"VK_HELP", VK_HELP},
    {"VK_HOME", VK_HOME},
    {"VK_I", VK_I},
    {"VK_INSERT", VK_INSERT},
    {"VK_J", VK_J},
    {"VK_K", VK_K},
    {"VK_L", VK_L},
    {"VK_LEFT", VK_LEFT},
    {"VK_LWIN", VK_LWIN},
    {"VK_M", VK_M},
    {"VK_MENU", VK_MENU},
    {"VK_MULTIPLY", VK_MULTIPLY},
    {"VK_N", VK_N},
    {"VK_NEXT", VK_NEXT},
    {"VK_NUMLOCK", VK_NUMLOCK},
    {"VK_NUMPAD0", VK_NUMPAD0},
    {"VK_NUMPAD1", VK_NUMPAD1},
    {"VK_NUMPAD2", VK_NUMPAD2},
    {"VK_NUMPAD3", VK_NUMPAD3},
    {"VK_NUMPAD4", VK_NUMPAD4},
    {"VK_NUMPAD5", VK_NUMPAD5},
    {"VK_NUMPAD6", VK_NUMPAD6},
    {"VK_NUMPAD7", VK_NUMPAD7},
    {"VK_NUMPAD8", VK_NUMPAD8},
    {"VK_NUMPAD9", VK_NUMPAD9},
    {"VK_O", VK_O},
    {"VK_P", VK_P},
    {"VK_PAUSE", VK_PAUSE},
    {"VK_PRINT", VK_PRINT},
    {"VK_PRIOR", VK_PRIOR},
    {"VK_Q", VK_Q},
    {"VK_R", VK_R},
    {"VK_RETURN", VK_RETURN},
    {"VK_RIGHT", VK_RIGHT},
    {"VK_RWIN", VK_RWIN},
    {"VK_S", VK_S},
    {"VK_SCROLL", VK_SCROLL},
    {"VK_SELECT", VK_SELECT},
    {"VK_SEPARATOR", VK_SEPARATOR},
    {"VK_SHIFT", VK_SHIFT},
    {"VK_SNAPSHOT", VK_SNAPSHOT},
    {"VK_SPACE", VK_SPACE},
    {"VK_SUBTRACT", VK_SUBTRACT},
    {"VK_T", VK_T},
    {"VK_TAB", VK_TAB},
    {"VK_U", VK_U},
    {"VK_UP", VK_UP},
    {"VK_V", VK_V},
    {"VK_W", VK_W},
    {"VK_X", VK_X},
    {"VK_Y", VK_Y},
    {"VK_Z", VK_Z},
};

static_assert(std::size(kKeyNames) == 108);
static_assert(std::ranges::is_sorted(kKeyNames, {}, &KeyName::name));

constexpr std::array<std::string_view, 256> kNameOfKey = [] {
  std::array<std::string_view, 256> names{};
  for (KeyName const& key : kKeyNames) names[static_cast<size_t>(key.virtualKey)] = key.name;
  return names;
}();

int NumberToVirtualKey(std::string_view text) {
  std::string const copy(text);  // strtol needs the terminator
  errno = 0;
  long const number = std::strtol(copy.c_str(), nullptr, 0);
  return errno == 0 && number >= 0 && number <= 255 ? static_cast<int>(number) : -1;
}

}  // namespace

int VirtualKeyFromName(std::string_view name) {
  if (name.empty()) return -1;
  if (name.front() >= '0' && name.front() <= '9') return NumberToVirtualKey(name);
  auto const* found = std::ranges::lower_bound(kKeyNames, name, {}, &KeyName::name);
  return found != std::end(kKeyNames) && found->name == name ? found->virtualKey : -1;
}

VString VirtualKeyToName(int virtualKey) {
  if (virtualKey < 0 || virtualKey > 255) return {};
  std::string_view const name = kNameOfKey[static_cast<size_t>(virtualKey)];
  if (!name.empty()) return VString(name);
  char number[8];
  std::snprintf(number, sizeof number, "0x%X", static_cast<unsigned>(virtualKey));
  return VString(number);
}
