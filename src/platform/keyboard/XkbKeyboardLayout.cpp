#include "platform/keyboard/XkbKeyboardLayout.h"

#include <xkbcommon/xkbcommon.h>

#include <cstdlib>

#include "platform/keyboard/PcScanCode.h"

namespace {

// XKB numbers its key codes as the evdev codes plus 8.
constexpr unsigned int kEvdevOffset = 8;

std::string Environment(char const* name, char const* fallback) {
  char const* value = std::getenv(name);
  return value && *value ? value : fallback;
}

unsigned int VirtualKeyOfSymbol(xkb_keysym_t symbol) {
  if (symbol >= XKB_KEY_a && symbol <= XKB_KEY_z) return symbol - XKB_KEY_a + 'A';
  if (symbol >= XKB_KEY_A && symbol <= XKB_KEY_Z) return symbol;
  if (symbol >= XKB_KEY_0 && symbol <= XKB_KEY_9) return symbol;
  return 0;
}

}  // namespace

XkbKeyboardLayout::XkbKeyboardLayout() {
  // The environment is read here, so the context must not read it again behind our back.
  m_context = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
  if (!m_context) return;
  xkb_context_set_log_level(m_context, XKB_LOG_LEVEL_CRITICAL);
  std::string const rules = Environment("XKB_DEFAULT_RULES", "evdev");
  std::string const model = Environment("XKB_DEFAULT_MODEL", "pc105");
  if (!Compile(rules, model, Environment("XKB_DEFAULT_LAYOUT", "us"), Environment("XKB_DEFAULT_VARIANT", ""),
               Environment("XKB_DEFAULT_OPTIONS", "")) &&
      !Compile("evdev", "pc105", "us", "", ""))
    return;
  MakeStates();
}

XkbKeyboardLayout::~XkbKeyboardLayout() {
  for (xkb_state* state : m_states) xkb_state_unref(state);
  xkb_keymap_unref(m_keymap);
  xkb_context_unref(m_context);
}

bool XkbKeyboardLayout::Compile(std::string const& rules, std::string const& model, std::string const& layout,
                                std::string const& variant, std::string const& options) {
  xkb_rule_names const names{rules.c_str(), model.c_str(), layout.c_str(), variant.c_str(), options.c_str()};
  m_keymap = xkb_keymap_new_from_names(m_context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
  if (m_keymap) m_layout = layout;
  return m_keymap != nullptr;
}

void XkbKeyboardLayout::MakeStates() {
  xkb_mod_index_t const ctrl = xkb_keymap_mod_get_index(m_keymap, XKB_MOD_NAME_CTRL);
  xkb_mod_index_t const shift = xkb_keymap_mod_get_index(m_keymap, XKB_MOD_NAME_SHIFT);
  xkb_mod_index_t const alt = xkb_keymap_mod_get_index(m_keymap, XKB_MOD_NAME_ALT);
  auto const bit = [](xkb_mod_index_t index) -> xkb_mod_mask_t { return index == XKB_MOD_INVALID ? 0 : 1u << index; };
  for (unsigned int combination = 0; combination < m_states.size(); ++combination) {
    xkb_mod_mask_t mask = 0;
    if (combination & kCtrl) mask |= bit(ctrl);
    if (combination & kShift) mask |= bit(shift);
    if (combination & kAlt) mask |= bit(alt);
    m_states[combination] = xkb_state_new(m_keymap);
    if (m_states[combination]) xkb_state_update_mask(m_states[combination], mask, 0, 0, 0, 0, 0);
  }
}

std::string XkbKeyboardLayout::KeyLabel(unsigned int scanCode, bool extended, unsigned int modifiers) const {
  unsigned int const evdev = PcScanCode::EvdevKey(scanCode, extended);
  xkb_state* state = modifiers < m_states.size() ? m_states[modifiers] : nullptr;
  if (!evdev || !state) return {};
  char text[64];
  int const length = xkb_state_key_get_utf8(state, evdev + kEvdevOffset, text, sizeof text);
  if (length <= 0 || static_cast<size_t>(length) >= sizeof text) return {};
  return std::string(text, static_cast<size_t>(length));
}

unsigned int XkbKeyboardLayout::VirtualKey(unsigned int scanCode, bool extended) const {
  unsigned int const place = PcScanCode::PlaceVirtualKey(scanCode, extended);
  unsigned int const evdev = PcScanCode::EvdevKey(scanCode, extended);
  if (!place || !evdev || !m_states[0]) return place;
  unsigned int const moved = VirtualKeyOfSymbol(xkb_state_key_get_one_sym(m_states[0], evdev + kEvdevOffset));
  return moved ? moved : place;
}
