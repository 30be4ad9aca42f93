// PC keyboard scan codes (set 1 make codes, the E0 prefix as the extended flag): the Linux
// input key code of each key and the virtual key its place has on a US keyboard.
#pragma once

class PcScanCode {
 public:
  // The evdev key code (KEY_*), 0 for a scan code no key has.
  static unsigned int EvdevKey(unsigned int scanCode, bool extended);
  // The virtual key of the key's place, 0 for a scan code no key has. Layouts that move
  // letters and digits change only those; everything else keeps its place's key.
  static unsigned int PlaceVirtualKey(unsigned int scanCode, bool extended);
  // The scan code of an evdev key code, for toolkits that report only the latter. False, with
  // both outputs untouched, for a code no PC key sends. Where two codes share an evdev key the
  // key's own is given: Print Screen (extended 55) rather than SysRq, Pause (0x45) rather than
  // Break (extended 70).
  static bool FromEvdev(unsigned int evdevKey, unsigned int& scanCode, bool& extended);
};
