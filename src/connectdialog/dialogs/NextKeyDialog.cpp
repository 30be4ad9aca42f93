#include "dialogs/NextKeyDialog.h"

#include "terminal/Keymap.h"

namespace {

constexpr unsigned int kShiftKey = 0x10;
constexpr unsigned int kControlKey = 0x11;
constexpr unsigned int kAltKey = 0x12;
constexpr unsigned int kPrintScreenKey = 0x2C;
constexpr unsigned int kHeldBits = Keymap::kCtrl | Keymap::kShift | Keymap::kAlt;

bool IsModifierKey(unsigned int virtualKey) {
  // The left and right twins (0xA0-0xA5) come from toolkits that tell them apart.
  return virtualKey == kShiftKey || virtualKey == kControlKey || virtualKey == kAltKey ||
         (virtualKey >= 0xA0 && virtualKey <= 0xA5);
}

}  // namespace

void NextKeyDialog::Open() {
  DialogModel::Open();
  m_scanCode = 0;
  m_modifiers = 0;
}

bool NextKeyDialog::PreTranslateMessage(KeyMessage const& message) {
  bool const down = message.kind == KeyMessage::Kind::KeyDown || message.kind == KeyMessage::Kind::SysKeyDown;
  bool const printScreenUp = message.kind == KeyMessage::Kind::KeyUp && message.virtualKey == kPrintScreenKey;
  if (!down && !printScreenUp) return false;
  KeyDown(message.virtualKey, message.repeat, message.flags, message.heldModifiers);
  return true;
}

int NextKeyDialog::KeyDown(unsigned int virtualKey, unsigned int, unsigned int flags, unsigned int heldModifiers) {
  if (IsEnded() || IsModifierKey(virtualKey)) return 0;
  m_modifiers = heldModifiers & kHeldBits;
  if (flags & KeyMessage::kExtendedFlag) m_modifiers |= Keymap::kExtended;
  m_scanCode = flags & 0xFF;
  EndDialog(IDOK);
  return 1;
}
