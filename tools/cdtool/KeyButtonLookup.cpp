#include "KeyButtonLookup.h"

#include <string>

#include "dialogs/KeyboardButton.h"
#include "dialogs/NumpadButton.h"
#include "terminal/VirtualKeyNames.h"

namespace {

struct PadKey {
  unsigned int virtualKey;
  unsigned int scanCode;
  bool extended;
  char const* caption;
};

// The keypad keys that Num Lock turns into digits and operators: the layout gives their scan
// codes the editing keys, so their buttons carry the key themselves.
constexpr PadKey kPadKeys[] = {
    {0x60, 82, false, "0"}, {0x61, 79, false, "1"}, {0x62, 80, false, "2"}, {0x63, 81, false, "3"},
    {0x64, 75, false, "4"}, {0x65, 76, false, "5"}, {0x66, 77, false, "6"}, {0x67, 71, false, "7"},
    {0x68, 72, false, "8"}, {0x69, 73, false, "9"}, {0x6A, 55, false, "*"}, {0x6B, 78, false, "+"},
    {0x6D, 74, false, "-"}, {0x6E, 83, false, "."},
};

constexpr unsigned int kHighestScanCode = 0x7F;

// What the on-screen keyboard writes on the key.
std::string Caption(unsigned int virtualKey) {
  if (virtualKey == 0x1B) return "Esc";
  if (virtualKey == 0x2C) return "Print";
  std::string const name = VirtualKeyToName(static_cast<int>(virtualKey)).Str();
  return name.starts_with("VK_") ? name.substr(3) : name;
}

std::unique_ptr<KeyboardButton> OnKeyboard(unsigned int virtualKey, bool extended) {
  std::string const caption = Caption(virtualKey);
  for (unsigned int scanCode = 1; scanCode <= kHighestScanCode; ++scanCode) {
    auto button = std::make_unique<KeyboardButton>(scanCode, extended ? 1 : 0, caption.c_str(), 1, 0);
    if (button->VirtualKey() == virtualKey) return button;
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<KeyboardButton> KeyButtonLookup::Find(unsigned int virtualKey, bool extended) {
  for (PadKey const& key : kPadKeys)
    if (key.virtualKey == virtualKey)
      return std::make_unique<NumpadButton>(key.scanCode, key.extended, key.caption, 1, virtualKey);
  if (auto button = OnKeyboard(virtualKey, extended)) return button;
  return OnKeyboard(virtualKey, !extended);
}
