#include "dialogs/KeyboardButton.h"

#include <cstdio>

#include "platform/keyboard/KeyboardLayout.h"

namespace {

struct SpecialKey {
  unsigned int scanCode;
  bool extended;
  unsigned int virtualKey;
  char const* label;
};

// Keys whose layout answer is no use: keypad Divide shares "/" with its main-block twin, Pause
// and Print Screen type nothing.
constexpr SpecialKey kSpecialKeys[] = {
    {53, true, 111, "/"},
    {69, false, 19, "Pause"},
    {55, true, 44, "Print"},
};

SpecialKey const* FindSpecial(unsigned int scanCode, bool extended) {
  for (SpecialKey const& key : kSpecialKeys)
    if (key.scanCode == scanCode && key.extended == extended) return &key;
  return nullptr;
}

// The one code point `text` holds in UTF-8; -1 for none, more than one or broken bytes.
long SingleCodePoint(std::string const& text) {
  if (text.empty()) return -1;
  auto const lead = static_cast<unsigned char>(text[0]);
  size_t const length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
  if (length == 0 || text.size() != length) return -1;
  long point = length == 1 ? lead : lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    auto const next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return -1;
    point = (point << 6) | (next & 0x3F);
  }
  return point;
}

bool IsKeypadCursorKey(unsigned int scanCode) {
  return scanCode == 72 || scanCode == 75 || scanCode == 77 || scanCode == 80;
}

// Characters never offered as a send string of their own.
bool IsWithheldCharacter(long point) {
  return point == 0xDE || point == 0xBF || point == 0xAC || point == 0xAE || point == 0xAF;
}

}  // namespace

KeyboardButton* KeyboardButton::s_pressed = nullptr;

KeyboardButton::KeyboardButton(unsigned int scanCode, int extended, char const* caption, unsigned int fontStyle,
                               unsigned int fixedLabel)
    : m_scanCode(scanCode),
      m_extended(extended != 0),
      m_caption(caption ? caption : ""),
      m_fontStyle(fontStyle),
      m_fixedLabel(fixedLabel != 0) {
  for (int modifier = 0; modifier < kModifierCount; ++modifier)
    m_states[modifier] = LayoutState(static_cast<Modifier>(modifier));
}

KeyboardButton::~KeyboardButton() {
  if (s_pressed == this) s_pressed = nullptr;
}

KeyboardButton::KeyState KeyboardButton::LayoutState(Modifier modifier) const {
  KeyState state;
  state.scanCode = m_scanCode;
  SpecialKey const* special = FindSpecial(m_scanCode, m_extended);
  KeyboardLayout const& layout = GetKeyboardLayout();
  state.virtualKey = special ? special->virtualKey : layout.VirtualKey(m_scanCode, m_extended);
  bool const altLabel = modifier == kAlt || modifier == kShiftAlt;
  if (special && special->virtualKey == 111)
    state.label = modifier == kNone || modifier == kShift ? special->label : "";
  else if (special)
    state.label = altLabel ? "" : special->label;
  else if (!altLabel)
    state.label = layout.KeyLabel(m_scanCode, m_extended, static_cast<unsigned int>(modifier));
  if (modifier == kNone && (state.label.empty() || m_caption == "Esc" || m_caption == "Print")) state.label = m_caption;
  return state;
}

std::string const& KeyboardButton::ShownLabel(Modifier modifier) const {
  return m_states[m_fixedLabel ? kNone : Slot(modifier)].label;
}

std::string KeyboardButton::DefaultSendString(Modifier modifier) const {
  if (IsKeypadCursorKey(m_scanCode)) return {};
  std::string const& label = GetKeyState(modifier).label;
  long const point = SingleCodePoint(label);
  if (point < 0 || IsWithheldCharacter(point)) return {};
  if (point >= 32) return label;
  char escaped[8];
  std::snprintf(escaped, sizeof escaped, "\\%03o", static_cast<unsigned int>(point));
  return escaped;
}

void KeyboardButton::SetState(int state) {
  if (state == 0) {
    m_pressed = false;
    if (s_pressed == this) s_pressed = nullptr;
    return;
  }
  if (s_pressed && s_pressed != this) s_pressed->m_pressed = false;
  s_pressed = this;
  m_pressed = true;
}
