// A key pressed with modifiers, read from its written form: modifier names and one key name
// joined by "+", any letter case ("Ctrl+Shift+Tab", "Ctrl+PgDn", "Alt+F4", "Enter", "a").
#pragma once

#include <string_view>

struct VKeyChord {
  int virtualKey = 0;
  bool ctrl = false;
  bool shift = false;
  bool alt = false;

  // False, with `chord` untouched, for an unknown name, a repeated modifier, a missing key
  // or two keys.
  static bool Parse(std::string_view text, VKeyChord& chord);
};
