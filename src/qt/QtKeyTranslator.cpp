#include "qt/QtKeyTranslator.h"

#include <QKeyEvent>

#include "platform/keyboard/KeyboardLayout.h"
#include "platform/keyboard/PcScanCode.h"
#include "terminal/Keymap.h"

namespace {

// X and Wayland number keys from 8 upwards; evdev from 0.
constexpr unsigned int kXkbKeycodeOffset = 8;

}  // namespace

bool QtKeyTranslator::Translate(QKeyEvent const& event, KeyMessage& message) {
  unsigned int const native = event.nativeScanCode();
  unsigned int scanCode = 0;
  bool extended = false;
  if (native < kXkbKeycodeOffset || !PcScanCode::FromEvdev(native - kXkbKeycodeOffset, scanCode, extended))
    return false;
  Qt::KeyboardModifiers const held = event.modifiers();
  bool const alt = held & Qt::AltModifier;
  bool const down = event.type() == QEvent::KeyPress;
  message.kind = down ? (alt ? KeyMessage::Kind::SysKeyDown : KeyMessage::Kind::KeyDown)
                      : (alt ? KeyMessage::Kind::SysKeyUp : KeyMessage::Kind::KeyUp);
  unsigned int virtualKey = GetKeyboardLayout().VirtualKey(scanCode, extended);
  message.virtualKey = virtualKey ? virtualKey : PcScanCode::PlaceVirtualKey(scanCode, extended);
  message.repeat = static_cast<unsigned int>(event.count() > 0 ? event.count() : 1);
  message.flags = scanCode | (extended ? KeyMessage::kExtendedFlag : 0);
  message.heldModifiers = (held & Qt::ControlModifier ? Keymap::kCtrl : 0) |
                          (held & Qt::ShiftModifier ? Keymap::kShift : 0) | (alt ? Keymap::kAlt : 0);
  return true;
}
