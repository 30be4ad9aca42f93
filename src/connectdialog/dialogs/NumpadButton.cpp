#include "dialogs/NumpadButton.h"

NumpadButton::NumpadButton(unsigned int scanCode, int extended, char const* caption, unsigned int fontStyle,
                           unsigned int virtualKey)
    : KeyboardButton(scanCode, extended, caption, fontStyle, 1) {
  for (int modifier = 0; modifier < kModifierCount; ++modifier)
    SetKeyState(static_cast<Modifier>(modifier), KeyState{scanCode, virtualKey, Caption()});
}
