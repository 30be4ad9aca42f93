// The keyboard layout of XKB, through libxkbcommon: the rules, model, layout, variant and
// options of XKB_DEFAULT_RULES, _MODEL, _LAYOUT, _VARIANT and _OPTIONS ("evdev", "pc105",
// "us" and none when unset), read once when the object is made. A layout XKB cannot compile
// gives way to "us"; without any XKB data every label is empty and keys keep their US places.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "platform/keyboard/KeyboardLayout.h"

struct xkb_context;
struct xkb_keymap;
struct xkb_state;

class XkbKeyboardLayout : public KeyboardLayout {
 public:
  XkbKeyboardLayout();
  ~XkbKeyboardLayout() override;
  XkbKeyboardLayout(XkbKeyboardLayout const&) = delete;
  XkbKeyboardLayout& operator=(XkbKeyboardLayout const&) = delete;

  std::string KeyLabel(unsigned int scanCode, bool extended, unsigned int modifiers) const override;
  // Letters and digits where the layout puts them; every other key by its place.
  unsigned int VirtualKey(unsigned int scanCode, bool extended) const override;

  // The layout actually compiled ("us" after a failed one); "" without XKB data.
  std::string const& LayoutName() const { return m_layout; }

 private:
  bool Compile(std::string const& rules, std::string const& model, std::string const& layout,
               std::string const& variant, std::string const& options);
  void MakeStates();

  xkb_context* m_context = nullptr;
  xkb_keymap* m_keymap = nullptr;
  // One state per combination of KeyboardLayout::Modifier bits.
  std::array<xkb_state*, 8> m_states{};
  std::string m_layout;
};
