// The Mapped Keys page of Session Options: the session's Backspace, Delete and copy-and-paste
// settings, and the on-screen keyboard that maps keys of the session's own keymap. The page
// edits a copy of that keymap; the dialog puts it into the session only on OK, so Cancel leaves
// the session's keymap exactly as it was. The Ctrl, Shift and Alt check boxes choose the
// combination the keyboard shows and maps.
#pragma once

#include "VPropertyTreePage.h"
#include "dialogs/OnScreenKeyboard.h"
#include "terminal/ProfileKeymap.h"

class GlobalConfig;
class SessionConfig;

class SessionMappedKeysPage : public VPropertyTreePage {
 public:
  enum ControlId { kMapBackspace = 1561, kMapDelete, kCuaCopyPaste, kCtrl, kShift, kAlt, kMapKey, kKeyboard };

  // `session` outlives the page; a null `config` leaves scripting enabled.
  SessionMappedKeysPage(GlobalConfig* config, SessionConfig& session);

  OnScreenKeyboard& Keyboard() { return m_keyboard; }
  // The copy the keyboard edits.
  ProfileKeymap const& EditedKeymap() const { return m_keymap; }
  // The edited keymap into the session, when its entries differ from the session's.
  void StoreKeymap();

 protected:
  void OnControlChanged(VPageControl& control) override;

 private:
  // "Map a &Key...": the captured combination shows on the check boxes too.
  void MapNextKey();

  SessionConfig& m_session;
  ProfileKeymap m_keymap;
  OnScreenKeyboard m_keyboard;
};
