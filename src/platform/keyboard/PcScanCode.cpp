#include "platform/keyboard/PcScanCode.h"

#include <array>

namespace {

struct ExtendedKey {
  unsigned int scanCode;
  unsigned int evdev;
  unsigned int virtualKey;
};

// The E0 keys: the separate cursor and editing block, the right-hand modifiers, keypad Enter and
// Divide, Print Screen, Num Lock (Pause is the plain 0x45) and the Windows keys.
constexpr std::array<ExtendedKey, 20> kExtended{{
    {28, 96, 0x0D},   {29, 97, 0x11},   {53, 98, 0x6F},   {55, 99, 0x2C},   {56, 100, 0x12},
    {69, 69, 0x90},   {70, 119, 0x03},  {71, 102, 0x24},  {72, 103, 0x26},  {73, 104, 0x21},
    {75, 105, 0x25},  {77, 106, 0x27},  {79, 107, 0x23},  {80, 108, 0x28},  {81, 109, 0x22},
    {82, 110, 0x2D},  {83, 111, 0x2E},  {91, 125, 0x5B},  {92, 126, 0x5C},  {93, 127, 0x5D},
}};

// Virtual keys of the plain scan codes 0-127 on a US keyboard; 0 where no key sits.
constexpr std::array<unsigned char, 128> kPlainVirtualKeys{{
    0x00, 0x1B, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x30, 0xBD, 0xBB, 0x08, 0x09,  // 0x00
    0x51, 0x57, 0x45, 0x52, 0x54, 0x59, 0x55, 0x49, 0x4F, 0x50, 0xDB, 0xDD, 0x0D, 0x11, 0x41, 0x53,  // 0x10
    0x44, 0x46, 0x47, 0x48, 0x4A, 0x4B, 0x4C, 0xBA, 0xDE, 0xC0, 0x10, 0xDC, 0x5A, 0x58, 0x43, 0x56,  // 0x20
    0x42, 0x4E, 0x4D, 0xBC, 0xBE, 0xBF, 0x10, 0x6A, 0x12, 0x20, 0x14, 0x70, 0x71, 0x72, 0x73, 0x74,  // 0x30
    0x75, 0x76, 0x77, 0x78, 0x79, 0x13, 0x91, 0x24, 0x26, 0x21, 0x6D, 0x25, 0x0C, 0x27, 0x6B, 0x23,  // 0x40
    0x28, 0x22, 0x2D, 0x2E, 0x2C, 0x00, 0xE2, 0x7A, 0x7B, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // 0x50
    0x00, 0x00, 0x00, 0x00, 0x7C, 0x7D, 0x7E, 0x7F, 0x80, 0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x00,  // 0x60
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x87, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // 0x70
}};

ExtendedKey const* FindExtended(unsigned int scanCode) {
  for (ExtendedKey const& key : kExtended)
    if (key.scanCode == scanCode) return &key;
  return nullptr;
}

// F13 to F23 follow one another from 0x64; F24 stands apart at 0x76.
unsigned int FunctionKeyEvdev(unsigned int scanCode) {
  if (scanCode >= 0x64 && scanCode <= 0x6E) return 183 + (scanCode - 0x64);
  return scanCode == 0x76 ? 194 : 0;
}

}  // namespace

unsigned int PcScanCode::EvdevKey(unsigned int scanCode, bool extended) {
  if (extended) {
    ExtendedKey const* key = FindExtended(scanCode);
    return key ? key->evdev : 0;
  }
  if (scanCode >= kPlainVirtualKeys.size() || kPlainVirtualKeys[scanCode] == 0) return 0;
  if (scanCode == 0x45) return 119;  // Pause; Num Lock comes with the extended flag
  if (scanCode == 0x54) return 99;   // Alt+Print Screen sends the SysRq code
  if (scanCode >= 0x64) return FunctionKeyEvdev(scanCode);
  return scanCode;
}

unsigned int PcScanCode::PlaceVirtualKey(unsigned int scanCode, bool extended) {
  if (extended) {
    ExtendedKey const* key = FindExtended(scanCode);
    return key ? key->virtualKey : 0;
  }
  return scanCode < kPlainVirtualKeys.size() ? kPlainVirtualKeys[scanCode] : 0;
}

bool PcScanCode::FromEvdev(unsigned int evdevKey, unsigned int& scanCode, bool& extended) {
  if (evdevKey == 0) return false;
  // Two keys send another code with a modifier held (Alt+Print Screen is SysRq, Ctrl+Pause is
  // Break) and share the evdev code with it: the key itself is meant.
  struct Shared {
    unsigned int evdev;
    unsigned int scanCode;
    bool extended;
  };
  static constexpr Shared kShared[] = {{99, 55, true}, {119, 0x45, false}};
  for (Shared const& key : kShared) {
    if (key.evdev != evdevKey) continue;
    scanCode = key.scanCode;
    extended = key.extended;
    return true;
  }
  for (bool const withE0 : {false, true}) {
    for (unsigned int code = 1; code < kPlainVirtualKeys.size(); ++code) {
      if (EvdevKey(code, withE0) != evdevKey) continue;
      scanCode = code;
      extended = withE0;
      return true;
    }
  }
  return false;
}
