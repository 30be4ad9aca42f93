// The key button of the on-screen keyboard that maps a virtual key, for tools that name keys by
// their keymap names: the key of the keyboard the layout gives that virtual key (an extended
// key when asked for one, else a plain key first), or the numeric-pad button of a keypad key.
#pragma once

#include <memory>

class KeyboardButton;

class KeyButtonLookup {
 public:
  // Null when no key of the keyboard has `virtualKey`.
  static std::unique_ptr<KeyboardButton> Find(unsigned int virtualKey, bool extended);
};
