// The user's keyboard layout as the key mapping dialogs need it: the text a key types under a
// combination of Ctrl, Shift and Alt, and the virtual key (Windows numbering) the key stands
// for. Keys are named by their PC scan code (set 1 make code) and the extended flag of the E0
// prefix. Called from the user-interface thread only; no operation throws.
#pragma once

#include <string>

class KeyboardLayout {
 public:
  // Modifier keys held, numbered as the key buttons number their combinations.
  enum Modifier : unsigned int { kCtrl = 1, kShift = 2, kAlt = 4 };

  virtual ~KeyboardLayout() = default;

  // The UTF-8 text the key types with `modifiers` held; "" for a key that types nothing, a dead
  // key, or a scan code no key has.
  virtual std::string KeyLabel(unsigned int scanCode, bool extended, unsigned int modifiers) const = 0;
  // The key's virtual key, 1-255; 0 for a scan code no key has.
  virtual unsigned int VirtualKey(unsigned int scanCode, bool extended) const = 0;
};

// The process's layout: the XKB one built from the environment on first use, unless a test
// installed another.
KeyboardLayout& GetKeyboardLayout();
// Installs `layout` (not owned) in place of the default; null restores the default.
void SetKeyboardLayout(KeyboardLayout* layout);
