#include "dialogs/SessionMappedKeysPage.h"

#include "dialogs/SessionPageControls.h"
#include "session/SessionConfig.h"

namespace {

struct Chooser {
  int id;
  KeyboardButton::Modifier bit;
};

constexpr Chooser kChoosers[] = {{SessionMappedKeysPage::kCtrl, KeyboardButton::kCtrl},
                                 {SessionMappedKeysPage::kShift, KeyboardButton::kShift},
                                 {SessionMappedKeysPage::kAlt, KeyboardButton::kAlt}};

}  // namespace

SessionMappedKeysPage::SessionMappedKeysPage(GlobalConfig* config, SessionConfig& session)
    : VPropertyTreePage(11445, "Mapped Keys", SessionPageControls::MappedKeys()),
      m_session(session),
      m_keymap(session.terminal.keymap),
      m_keyboard(config, m_keymap) {
  Control(kMapKey)->onClick = [this](VPropertyTreePage&) { MapNextKey(); };
}

void SessionMappedKeysPage::OnControlChanged(VPageControl& control) {
  int combination = m_keyboard.Combination();
  for (Chooser const& chooser : kChoosers) {
    if (chooser.id != control.id) continue;
    combination = control.value == "true" ? combination | chooser.bit : combination & ~chooser.bit;
    m_keyboard.SetCombination(static_cast<KeyboardButton::Modifier>(combination));
  }
}

void SessionMappedKeysPage::MapNextKey() {
  m_keyboard.MapNextKey();
  for (Chooser const& chooser : kChoosers)
    Control(chooser.id)->value = m_keyboard.Combination() & chooser.bit ? "true" : "false";
}

void SessionMappedKeysPage::StoreKeymap() {
  if (!ProfileKeymap::SameEntries(m_keymap, m_session.terminal.keymap)) m_session.terminal.keymap.ApplyDelta(&m_keymap);
}
