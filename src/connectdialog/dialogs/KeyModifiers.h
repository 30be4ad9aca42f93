// Conversions of a key index's modifier bits (Ctrl 0x200, Shift 0x400, Alt 0x800, Extended
// 0x100) for the key mapping dialogs.
#pragma once

#include "dialogs/KeyboardButton.h"
#include "platform/types/CString.h"

// The button combination of the bits; Extended is not part of it.
KeyboardButton::Modifier mapModifiers(unsigned int modifiers);
// The bits of a button combination: Ctrl 0x200, Shift 0x400, Alt 0x800.
unsigned int modifierBits(KeyboardButton::Modifier combination);
// "Alt-", "Ctrl-", "Shift-" and "Extended-" for the bits present, in that order.
CString mapModifiersToString(unsigned int modifiers);
