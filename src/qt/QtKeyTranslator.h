// A Qt key event as the key mapping dialogs take it: the PC scan code and extended flag of the
// physical key (from the platform's native scan code, the X and Wayland key code, which is the
// evdev code plus 8), the layout's virtual key, and the modifier keys held.
#pragma once

#include "dialogs/KeyMessage.h"

class QKeyEvent;

class QtKeyTranslator {
 public:
  // False for an event that names no PC key (no native scan code, or one of no key).
  static bool Translate(QKeyEvent const& event, KeyMessage& message);
};
