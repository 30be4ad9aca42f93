// The key-name conversions of keymap files and the key mapping dialogs: the 108 named virtual
// keys (VK_BACK, VK_F1, ...) and, for every other key, its number.
#pragma once

#include <string_view>

#include "VString.h"

// A name beginning with a digit is a number (0x hexadecimal, leading 0 octal, else decimal, up
// to the first character that does not fit); anything else must be an exact table name.
// Returns 0-255, or -1 for an unknown name or a number outside that range. Callers upper-case
// the name first.
int VirtualKeyFromName(std::string_view name);
// The table name, or "0x%X" of the number for a key without one. Keys outside 0-255 give "".
VString VirtualKeyToName(int virtualKey);
