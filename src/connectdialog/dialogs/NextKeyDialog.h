// "Map Key": waits for the user to press the key to map on the real keyboard and captures its
// scan code and modifier bits (Ctrl 0x200, Shift 0x400, Alt 0x800, Extended 0x100). A modifier
// key pressed alone keeps it waiting; Print Screen, which sends no key-down, is taken from its
// key-up. Ends with IDOK once a key is captured, IDCANCEL from Cancel.
#pragma once

#include "dialogs/KeyMessage.h"
#include "platform/ui/DialogModel.h"

class CWnd;

class NextKeyDialog : public DialogModel {
 public:
  static constexpr char kTitle[] = "Map Key";
  static constexpr char kPrompt[] = "Using the keyboard, press the key you want to map or click Cancel.";
  static constexpr char kWaiting[] = "Waiting for keyboard input...";

  explicit NextKeyDialog(CWnd* parent = nullptr) : m_parent(parent) {}

  void Open() override;

  // True when the message went to KeyDown instead of the dialog's controls.
  bool PreTranslateMessage(KeyMessage const& message);
  // 1 when the key was captured and the dialog ended, 0 when it keeps waiting. `heldModifiers`
  // are the modifier keys down at the time of the message.
  int KeyDown(unsigned int virtualKey, unsigned int repeat, unsigned int flags, unsigned int heldModifiers);

  unsigned int ScanCode() const { return m_scanCode; }
  unsigned int Modifiers() const { return m_modifiers; }
  CWnd* ParentWindow() const { return m_parent; }

 private:
  CWnd* m_parent;
  unsigned int m_scanCode = 0;
  unsigned int m_modifiers = 0;
};
