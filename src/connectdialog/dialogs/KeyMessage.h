// A keyboard message as a toolkit forwards it to a dialog model: which message, the key, the
// repeat count, the key flags (scan code in the low byte, kExtendedFlag for E0 keys) and the
// modifier keys held when it was sent (Ctrl 0x200, Shift 0x400, Alt 0x800).
#pragma once

struct KeyMessage {
  enum class Kind { KeyDown, SysKeyDown, KeyUp, SysKeyUp };
  static constexpr unsigned int kExtendedFlag = 0x100;

  Kind kind = Kind::KeyDown;
  unsigned int virtualKey = 0;
  unsigned int repeat = 1;
  unsigned int flags = 0;
  unsigned int heldModifiers = 0;
};
