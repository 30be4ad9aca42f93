// The entries of the built-in keymaps, one function per emulation. Each writes its entries over
// what the keymap holds (it clears nothing) and leaves the fallback alone: Keymap's Load...
// operations decide about the fallback.
#pragma once

class Keymap;

class KeymapBuiltIn {
 public:
  static void Default(Keymap& keymap);
  static void VT100(Keymap& keymap, bool pcKeypadAsPF);
  // VT100 with the PC keypad as PF keys, then the VT220 keys.
  static void VT220(Keymap& keymap);
  // VT100 without the keypad PF keys, then the Linux console keys.
  static void Linux(Keymap& keymap);
  // Only the xterm keys: Keymap::LoadXterm lays them over the VT220 map.
  static void Xterm(Keymap& keymap);
  static void SCOANSI(Keymap& keymap);
  static void Wyse(Keymap& keymap);
  // VT220, then the Gatehold escape for each key of its rule.
  static void Gatehold(Keymap& keymap);
};
