// The on-screen keyboard of the key mapping page: the key buttons of a PC keyboard (the main
// block without Shift, Ctrl and Alt, which the page's combination stands for; the function row;
// the editing and cursor block; the numeric pad as numeric-pad buttons), placed in rows on a grid
// of quarter keys, and the one combination of Ctrl, Shift and Alt whose labels every key shows.
//
// It edits `keymap`, which must outlive it: clicking a key opens "Map Selected Key" on the key
// under the shown combination (editing-block keys and other E0 keys with the Extended bit), and
// "Map a Key" opens "Map Key" first and then "Map Selected Key" on the key captured. A key is
// marked mapped when the keymap has an entry of its own for it under the shown combination.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "dialogs/KeyboardButton.h"

class GlobalConfig;
class Keymap;

class OnScreenKeyboard {
 public:
  // Where a key sits, in quarters of a plain key: the function row is row 0, the space bar row 5.
  struct Key {
    std::unique_ptr<KeyboardButton> button;
    int row = 0;
    int column = 0;
    int width = 4;
    int height = 1;  // rows
  };
  // What a key shows: its label, or its caption dimmed when it types nothing shown.
  struct Face {
    std::string text;
    bool dimmed = false;
  };

  static constexpr int kColumns = 92;
  static constexpr int kRows = 6;

  // The layout of the process is asked for every key's labels now. A null `config` leaves
  // scripting enabled.
  OnScreenKeyboard(GlobalConfig* config, Keymap& keymap);

  std::vector<Key> const& Keys() const { return m_keys; }
  // The key with this scan code and E0 flag; Keys().size() when the keyboard has none.
  size_t Find(unsigned int scanCode, bool extended) const;

  KeyboardButton::Modifier Combination() const { return m_combination; }
  void SetCombination(KeyboardButton::Modifier combination);

  // The key's label under the shown combination (see KeyboardButton::ShownLabel).
  std::string const& Label(size_t key) const;
  // The label as drawn: a control character as its key's caption when the caption is a name
  // ("Enter", "Tab"), else in caret form ("^A"); an empty or blank label as the caption, dimmed.
  Face FaceOf(size_t key) const;
  // The keymap entry the key edits under the shown combination.
  int KeyIndex(size_t key) const;
  bool IsMapped(size_t key) const;

  // The user clicks `key`: it becomes the pressed key and "Map Selected Key" runs on it. Returns
  // that dialog's end code; IDCANCEL, with nothing shown, for a key the keyboard does not have.
  int Click(size_t key);
  // "Map a Key": the key the user presses next is mapped, under the combination held with it,
  // which becomes the shown one. IDCANCEL when the capture was cancelled or the keyboard has no
  // such key (the keymap stays as it was).
  int MapNextKey();

 private:
  int MapKey(size_t key, unsigned int modifiers);

  GlobalConfig* m_config;
  Keymap& m_keymap;
  std::vector<Key> m_keys;
  KeyboardButton::Modifier m_combination = KeyboardButton::kNone;
};
