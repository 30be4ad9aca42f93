#include "dialogs/KeyModifiers.h"

#include "terminal/Keymap.h"

KeyboardButton::Modifier mapModifiers(unsigned int modifiers) {
  int combination = KeyboardButton::kNone;
  if (modifiers & Keymap::kAlt) combination |= KeyboardButton::kAlt;
  if (modifiers & Keymap::kShift) combination |= KeyboardButton::kShift;
  if (modifiers & Keymap::kCtrl) combination |= KeyboardButton::kCtrl;
  return static_cast<KeyboardButton::Modifier>(combination);
}

unsigned int modifierBits(KeyboardButton::Modifier combination) {
  unsigned int bits = 0;
  if (combination & KeyboardButton::kCtrl) bits |= Keymap::kCtrl;
  if (combination & KeyboardButton::kShift) bits |= Keymap::kShift;
  if (combination & KeyboardButton::kAlt) bits |= Keymap::kAlt;
  return bits;
}

CString mapModifiersToString(unsigned int modifiers) {
  CString text;
  if (modifiers & Keymap::kAlt) text += "Alt-";
  if (modifiers & Keymap::kCtrl) text += "Ctrl-";
  if (modifiers & Keymap::kShift) text += "Shift-";
  if (modifiers & Keymap::kExtended) text += "Extended-";
  return text;
}
