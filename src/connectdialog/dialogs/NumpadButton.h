// A key of the numeric pad: its caption is its label under every combination, and it maps the
// virtual key it was given rather than the one the layout gives its scan code, which follows
// the state of Num Lock.
#pragma once

#include "dialogs/KeyboardButton.h"

class NumpadButton : public KeyboardButton {
 public:
  NumpadButton(unsigned int scanCode, int extended, char const* caption, unsigned int fontStyle,
               unsigned int virtualKey);
};
