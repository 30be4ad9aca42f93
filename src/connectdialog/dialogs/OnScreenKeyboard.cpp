#include "dialogs/OnScreenKeyboard.h"

#include "dialogs/KeyModifiers.h"
#include "dialogs/NextKeyDialog.h"
#include "dialogs/NumpadButton.h"
#include "dialogs/SelectedKeyDialog.h"
#include "platform/types/UserInterfaceCodes.h"
#include "platform/types/VirtualKeys.h"
#include "terminal/Keymap.h"

namespace {

constexpr unsigned int kNamed = 1;      // small face: names such as "Backspace"
constexpr unsigned int kCharacter = 2;  // larger face: keys that type a character

struct Place {
  unsigned int scanCode;
  bool extended;
  char const* caption;
  unsigned int fontStyle;
  int row;
  int column;
  int width;
  int height;
  unsigned int padKey;  // the numeric pad's own virtual key; 0 for a key the layout names
};

Place Named(unsigned int scanCode, bool extended, char const* caption, int row, int column, int width = 4) {
  return {scanCode, extended, caption, kNamed, row, column, width, 1, 0};
}

Place Pad(unsigned int scanCode, bool extended, char const* caption, int row, int column, unsigned int padKey,
          int width = 4, int height = 1) {
  unsigned int const font = caption[1] == '\0' ? kCharacter : kNamed;
  return {scanCode, extended, caption, font, row, column, width, height, padKey};
}

// Keys that type characters, side by side from `column`: consecutive scan codes from `first`,
// captioned by the US characters of `captions`, one byte each.
void AddRun(std::vector<Place>& places, int row, int column, unsigned int first, char const* captions) {
  static char const* const kSingles[] = {
      " ", "!", "\"", "#", "$", "%", "&", "'", "(", ")", "*", "+", ",", "-", ".", "/", "0", "1", "2", "3",
      "4", "5", "6", "7", "8", "9", ":", ";", "<", "=", ">", "?", "@", "A", "B", "C", "D", "E", "F", "G",
      "H", "I", "J", "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z", "[",
      "\\", "]", "^", "_", "`"};
  for (unsigned int i = 0; captions[i]; ++i)
    places.push_back({first + i, false, kSingles[captions[i] - ' '], kCharacter, row, column + 4 * static_cast<int>(i), 4,
                      1, 0});
}

// A US PC keyboard of 104 keys less its six modifier keys, in quarter-key columns: the main
// block in 0-59, the editing block in 62-73, the numeric pad in 76-91.
std::vector<Place> KeyboardPlaces() {
  std::vector<Place> places{Named(1, false, "Esc", 0, 0)};
  for (unsigned int f = 0; f < 12; ++f) {
    static char const* const kNames[] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12"};
    unsigned int const scanCode = f < 10 ? 59 + f : 87 + (f - 10);
    places.push_back(Named(scanCode, false, kNames[f], 0, 8 + 4 * static_cast<int>(f) + 2 * static_cast<int>(f / 4)));
  }
  for (Place const& place : {Named(55, true, "Print", 0, 62), Named(70, false, "ScrLk", 0, 66), Named(69, false, "Pause", 0, 70)})
    places.push_back(place);

  places.push_back({41, false, "`", kCharacter, 1, 0, 4, 1, 0});
  AddRun(places, 1, 4, 2, "1234567890-=");
  places.push_back(Named(14, false, "Backspace", 1, 52, 8));
  places.push_back(Named(15, false, "Tab", 2, 0, 6));
  AddRun(places, 2, 6, 16, "QWERTYUIOP[]");
  places.push_back({43, false, "\\", kCharacter, 2, 54, 6, 1, 0});
  places.push_back(Named(58, false, "Caps", 3, 0, 7));
  AddRun(places, 3, 7, 30, "ASDFGHJKL;'");
  places.push_back(Named(28, false, "Enter", 3, 51, 9));
  AddRun(places, 4, 9, 44, "ZXCVBNM,./");
  for (Place const& place : {Named(91, true, "Win", 5, 5, 5), Place{57, false, "Space", kNamed, 5, 15, 25, 1, 0},
                             Named(92, true, "Win", 5, 45, 5), Named(93, true, "Menu", 5, 50, 5)})
    places.push_back(place);

  for (Place const& place :
       {Named(82, true, "Ins", 1, 62), Named(71, true, "Home", 1, 66), Named(73, true, "PgUp", 1, 70),
        Named(83, true, "Del", 2, 62), Named(79, true, "End", 2, 66), Named(81, true, "PgDn", 2, 70),
        Named(72, true, "Up", 4, 66), Named(75, true, "Left", 5, 62), Named(80, true, "Down", 5, 66),
        Named(77, true, "Right", 5, 70)})
    places.push_back(place);

  for (Place const& place :
       {Pad(69, true, "Num", 1, 76, VK_NUMLOCK), Pad(53, true, "/", 1, 80, VK_DIVIDE), Pad(55, false, "*", 1, 84, VK_MULTIPLY),
        Pad(74, false, "-", 1, 88, VK_SUBTRACT), Pad(71, false, "7", 2, 76, VK_NUMPAD0 + 7),
        Pad(72, false, "8", 2, 80, VK_NUMPAD0 + 8), Pad(73, false, "9", 2, 84, VK_NUMPAD0 + 9),
        Pad(78, false, "+", 2, 88, VK_ADD, 4, 2), Pad(75, false, "4", 3, 76, VK_NUMPAD0 + 4),
        Pad(76, false, "5", 3, 80, VK_NUMPAD0 + 5), Pad(77, false, "6", 3, 84, VK_NUMPAD0 + 6),
        Pad(79, false, "1", 4, 76, VK_NUMPAD0 + 1), Pad(80, false, "2", 4, 80, VK_NUMPAD0 + 2),
        Pad(81, false, "3", 4, 84, VK_NUMPAD0 + 3), Pad(28, true, "Enter", 4, 88, VK_RETURN, 4, 2),
        Pad(82, false, "0", 5, 76, VK_NUMPAD0, 8), Pad(83, false, ".", 5, 84, VK_DECIMAL)})
    places.push_back(place);
  return places;
}

std::unique_ptr<KeyboardButton> MakeButton(Place const& place) {
  int const extended = place.extended ? 1 : 0;
  if (place.padKey)
    return std::make_unique<NumpadButton>(place.scanCode, extended, place.caption, place.fontStyle, place.padKey);
  return std::make_unique<KeyboardButton>(place.scanCode, extended, place.caption, place.fontStyle, 0);
}

// "^A" for 0x01, "^?" for DEL; "" for text that is not one control character.
std::string CaretForm(std::string const& label) {
  if (label.size() != 1) return {};
  auto const c = static_cast<unsigned char>(label[0]);
  if (c == 0x7F) return "^?";
  return c < 0x20 ? std::string{'^', static_cast<char>(c + 0x40)} : std::string();
}

bool IsBlank(std::string const& text) { return text.find_first_not_of(' ') == std::string::npos; }

}  // namespace

OnScreenKeyboard::OnScreenKeyboard(GlobalConfig* config, Keymap& keymap) : m_config(config), m_keymap(keymap) {
  for (Place const& place : KeyboardPlaces())
    m_keys.push_back(Key{MakeButton(place), place.row, place.column, place.width, place.height});
}

size_t OnScreenKeyboard::Find(unsigned int scanCode, bool extended) const {
  size_t at = 0;
  while (at < m_keys.size() &&
         (m_keys[at].button->ScanCode() != scanCode || m_keys[at].button->Extended() != extended))
    ++at;
  return at;
}

void OnScreenKeyboard::SetCombination(KeyboardButton::Modifier combination) {
  m_combination = static_cast<KeyboardButton::Modifier>(combination & (KeyboardButton::kModifierCount - 1));
}

std::string const& OnScreenKeyboard::Label(size_t key) const {
  static std::string const none;
  return key < m_keys.size() ? m_keys[key].button->ShownLabel(m_combination) : none;
}

OnScreenKeyboard::Face OnScreenKeyboard::FaceOf(size_t key) const {
  if (key >= m_keys.size()) return {};
  std::string const& label = Label(key);
  std::string const& caption = m_keys[key].button->Caption();
  if (IsBlank(label)) return {caption, label.empty()};
  std::string const caret = CaretForm(label);
  if (caret.empty()) return {label, false};
  return {caption.size() > 1 ? caption : caret, false};
}

int OnScreenKeyboard::KeyIndex(size_t key) const {
  if (key >= m_keys.size()) return -1;
  KeyboardButton const& button = *m_keys[key].button;
  unsigned int const extended = button.Extended() ? Keymap::kExtended : 0;
  return static_cast<int>(modifierBits(m_combination) | extended | (button.VirtualKey() & 0xFF));
}

bool OnScreenKeyboard::IsMapped(size_t key) const {
  return key < m_keys.size() && m_keymap.GetOwnKeyCode(KeyIndex(key)) != KeymapCode::NONE;
}

int OnScreenKeyboard::Click(size_t key) {
  if (key >= m_keys.size()) return IDCANCEL;
  unsigned int const extended = m_keys[key].button->Extended() ? Keymap::kExtended : 0;
  return MapKey(key, modifierBits(m_combination) | extended);
}

int OnScreenKeyboard::MapNextKey() {
  NextKeyDialog capture;
  if (capture.DoModal() != IDOK) return IDCANCEL;
  unsigned int const modifiers = capture.Modifiers();
  size_t const key = Find(capture.ScanCode(), (modifiers & Keymap::kExtended) != 0);
  if (key >= m_keys.size()) return IDCANCEL;
  SetCombination(mapModifiers(modifiers));
  return MapKey(key, modifiers);
}

int OnScreenKeyboard::MapKey(size_t key, unsigned int modifiers) {
  KeyboardButton& button = *m_keys[key].button;
  button.SetState(1);
  SelectedKeyDialog dialog(m_config, &m_keymap, &button, static_cast<int>(modifiers));
  return dialog.DoModal();
}
