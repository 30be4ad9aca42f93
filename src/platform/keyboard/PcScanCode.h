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
};
