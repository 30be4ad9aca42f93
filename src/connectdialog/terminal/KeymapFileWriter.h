// The text form of a keymap file: one CR LF line per own entry of the keymap, in index order,
// "MODIFIERS<tab>KEY<tab>ACTION" with the key padded to 20 columns. Values are written as they
// are: a SEND value holding a line break, or a RUN path holding a quote, does not read back.
#pragma once

#include <string>

#include "VString.h"

class Keymap;

class KeymapFileWriter {
 public:
  static std::string Text(Keymap const& keymap);
  static std::string Line(int index, int code, VString const& value);
  // "A", "C", "S", "E" in that order for the modifier bits of `index`; "N" for none.
  static std::string ModifierField(int index);
};
