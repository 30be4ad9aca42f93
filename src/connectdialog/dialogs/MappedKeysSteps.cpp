#include "dialogs/MappedKeysSteps.h"

#include <sstream>

#include "VOptionText.h"
#include "VPropertyTreeDialog.h"
#include "dialogs/NextKeyDialog.h"
#include "dialogs/SessionMappedKeysPage.h"
#include "platform/keyboard/KeyboardLayout.h"
#include "platform/keyboard/PcScanCode.h"
#include "platform/ui/HeadlessDialogPresenter.h"
#include "terminal/Keymap.h"

namespace {

// The step's scan code and E0 flag; false, with `error`, for a code no PC key sends.
bool StepKey(DialogStep const& step, unsigned int& scanCode, bool& extended, std::string& error) {
  int code = 0;
  if (!step.Integer("scan", code, error)) return false;
  extended = false;
  std::string flag;
  std::string ignored;
  if (step.Text("extended", flag, ignored) && !VOptionText::ParseFlag(flag, extended)) {
    error = "\"extended\" of step \"" + step.Name() + "\" is true or false, not \"" + flag + "\"";
    return false;
  }
  if (code <= 0 || PcScanCode::EvdevKey(static_cast<unsigned int>(code), extended) == 0) {
    error = "no key has the scan code " + std::to_string(code) + (extended ? " with E0" : "");
    return false;
  }
  scanCode = static_cast<unsigned int>(code);
  return true;
}

bool ClickKeyButton(VPropertyTreeDialog& dialog, DialogStep const& step, std::string& error) {
  auto* page = dynamic_cast<SessionMappedKeysPage*>(dialog.CurrentPage());
  if (!page) {
    error = "the page shown has no key buttons";
    return false;
  }
  unsigned int scanCode = 0;
  bool extended = false;
  if (!StepKey(step, scanCode, extended, error)) return false;
  OnScreenKeyboard& keyboard = page->Keyboard();
  size_t const key = keyboard.Find(scanCode, extended);
  if (key >= keyboard.Keys().size()) {
    error = "the keyboard has no key button with the scan code " + std::to_string(scanCode);
    return false;
  }
  keyboard.Click(key);
  return true;
}

// The modifier bits of a list such as "ctrl,shift"; false for another name.
bool HeldBits(std::string const& names, unsigned int& bits) {
  bits = 0;
  std::istringstream list(names);
  for (std::string name; std::getline(list, name, ',');) {
    if (name == "ctrl") bits |= Keymap::kCtrl;
    else if (name == "shift") bits |= Keymap::kShift;
    else if (name == "alt") bits |= Keymap::kAlt;
    else return false;
  }
  return true;
}

bool PressKey(NextKeyDialog& dialog, DialogStep const& step, std::string& error) {
  KeyMessage message;
  unsigned int scanCode = 0;
  bool extended = false;
  if (!StepKey(step, scanCode, extended, error)) return false;
  std::string held;
  std::string ignored;
  if (step.Text("held", held, ignored) && !HeldBits(held, message.heldModifiers)) {
    error = "\"held\" names ctrl, shift and alt, not \"" + held + "\"";
    return false;
  }
  unsigned int const virtualKey = GetKeyboardLayout().VirtualKey(scanCode, extended);
  message.virtualKey = virtualKey ? virtualKey : PcScanCode::PlaceVirtualKey(scanCode, extended);
  message.kind = message.heldModifiers & Keymap::kAlt ? KeyMessage::Kind::SysKeyDown : KeyMessage::Kind::KeyDown;
  message.flags = scanCode | (extended ? KeyMessage::kExtendedFlag : 0);
  dialog.PreTranslateMessage(message);
  return true;
}

}  // namespace

void MappedKeysSteps::AddTo(HeadlessDialogPresenter& presenter) {
  presenter.AddStep("key-button", HeadlessDialogPresenter::For(ClickKeyButton));
  presenter.AddStep("press", HeadlessDialogPresenter::For(PressKey));
}
