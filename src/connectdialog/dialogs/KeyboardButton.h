// One key of the on-screen keyboard of the key mapping page: its scan code, and for each of the
// eight combinations of Ctrl, Shift and Alt the virtual key and the label the keyboard layout
// gives it. All buttons show the labels of the combination the page chose; a fixed-label button
// always shows its no-modifier label. At most one button of the process is shown pressed.
// Drawing is the toolkit's; this is the data it draws and the dialogs use.
#pragma once

#include <array>
#include <string>

class KeyboardButton {
 public:
  enum Modifier {
    kNone = 0,
    kCtrl = 1,
    kShift = 2,
    kCtrlShift = 3,
    kAlt = 4,
    kCtrlAlt = 5,
    kShiftAlt = 6,
    kCtrlShiftAlt = 7,
  };
  static constexpr int kModifierCount = 8;

  struct KeyState {
    unsigned int scanCode = 0;
    unsigned int virtualKey = 0;
    std::string label;  // UTF-8; "" when the key types nothing under the combination
  };

  // Asks the process's keyboard layout for every combination. `fontStyle` is 1 (small "Modern"),
  // 2 (larger "Modern") or 3 ("Symbol").
  KeyboardButton(unsigned int scanCode, int extended, char const* caption, unsigned int fontStyle,
                 unsigned int fixedLabel);
  virtual ~KeyboardButton();
  KeyboardButton(KeyboardButton const&) = delete;
  KeyboardButton& operator=(KeyboardButton const&) = delete;

  unsigned int ScanCode() const { return m_scanCode; }
  bool Extended() const { return m_extended; }
  std::string const& Caption() const { return m_caption; }
  unsigned int FontStyle() const { return m_fontStyle; }
  bool FixedLabel() const { return m_fixedLabel; }

  KeyState const& GetKeyState(Modifier modifier) const { return m_states[Slot(modifier)]; }
  // What the button shows while the page shows `modifier`'s labels.
  std::string const& ShownLabel(Modifier modifier) const;
  // The key the dialogs map: the no-modifier state's virtual key.
  unsigned int VirtualKey() const { return m_states[kNone].virtualKey; }

  // The string offered for the key under `modifier` when it has no mapping: a printable
  // one-character label as it is, a control character as "\ooo", otherwise "".
  std::string DefaultSendString(Modifier modifier) const;

  // 0 up, 1 pressed.
  int state() const { return m_pressed ? 1 : 0; }
  // Pressing releases the button pressed before it.
  void SetState(int state);

 protected:
  void SetKeyState(Modifier modifier, KeyState state) { m_states[Slot(modifier)] = std::move(state); }

 private:
  static int Slot(Modifier modifier) { return static_cast<int>(modifier) & (kModifierCount - 1); }
  KeyState LayoutState(Modifier modifier) const;

  unsigned int m_scanCode;
  bool m_extended;
  std::string m_caption;
  unsigned int m_fontStyle;
  bool m_fixedLabel;
  std::array<KeyState, kModifierCount> m_states;
  bool m_pressed = false;

  static KeyboardButton* s_pressed;
};
