#include "platform/ui/HeadlessUserInterface.h"

#include <array>
#include <span>

namespace {

// The buttons of each button set, in the order they appear.
std::span<int const> Buttons(unsigned int type) {
  static constexpr std::array<int, 1> ok{IDOK};
  static constexpr std::array<int, 2> okCancel{IDOK, IDCANCEL};
  static constexpr std::array<int, 2> yesNo{IDYES, IDNO};
  static constexpr std::array<int, 3> yesNoCancel{IDYES, IDNO, IDCANCEL};
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return okCancel;
    case MB_YESNO: return yesNo;
    case MB_YESNOCANCEL: return yesNoCancel;
    default: return ok;
  }
}

int DefaultButton(unsigned int type) {
  std::span<int const> const buttons = Buttons(type);
  size_t const index = (type & MB_DEFMASK) >> 8;
  return index < buttons.size() ? buttons[index] : buttons[0];
}

bool BoxOffers(unsigned int type, int button) {
  for (int offered : Buttons(type))
    if (offered == button) return true;
  return false;
}

bool ChooserOffers(unsigned int, int button) { return button == IDOK || button == IDCANCEL; }

bool OfferOffers(unsigned int, int button) {
  return button >= static_cast<int>(UpgradeChoice::Download) && button <= static_cast<int>(UpgradeChoice::Exit);
}

}  // namespace

int HeadlessUserInterface::NextButton(bool (*offered)(unsigned int, int), unsigned int type, int fallback,
                                      std::string& text) {
  if (m_script.empty()) return fallback;
  ScriptedAnswer answer = std::move(m_script.front());
  m_script.pop_front();
  text = std::move(answer.text);
  return offered(type, answer.button) ? answer.button : fallback;
}

int HeadlessUserInterface::MessageBox(std::string const& text, std::string const& caption, unsigned int type) {
  ShownDialog dialog{ShownDialog::Kind::MessageBox, text, caption, type, {}, 0, {}, {}};
  std::string ignored;
  dialog.answer = NextButton(BoxOffers, type, DefaultButton(type), ignored);
  m_shown.push_back(dialog);
  return dialog.answer;
}

bool HeadlessUserInterface::Ask(ShownDialog dialog, std::string& value) {
  std::string answered;
  dialog.answer = NextButton(ChooserOffers, 0, IDCANCEL, answered);
  bool const accepted = dialog.answer == IDOK;
  if (accepted) value = dialog.answerText = answered;
  m_shown.push_back(std::move(dialog));
  return accepted;
}

bool HeadlessUserInterface::ChooseFile(FileChooser kind, std::string const& filter, std::string& path) {
  auto const shown = kind == FileChooser::Open ? ShownDialog::Kind::OpenFile : ShownDialog::Kind::SaveFile;
  return Ask(ShownDialog{shown, filter, {}, 0, path, 0, {}, {}}, path);
}

bool HeadlessUserInterface::PromptText(std::string const& prompt, std::string const& caption, std::string& text) {
  return Ask(ShownDialog{ShownDialog::Kind::TextPrompt, prompt, caption, 0, text, 0, {}, {}}, text);
}

UpgradeChoice HeadlessUserInterface::OfferUpgrade(UpgradeOffer const& offer) {
  ShownDialog dialog{ShownDialog::Kind::UpgradeOffer,
                     offer.message + "\n\n" + offer.question + "\n\n" + offer.warning,
                     offer.caption, 0, {}, 0, {}, {offer.downloadButton, "&Continue", "E&xit"}};
  std::string ignored;
  dialog.answer = NextButton(OfferOffers, 0, static_cast<int>(UpgradeChoice::Continue), ignored);
  m_shown.push_back(dialog);
  return static_cast<UpgradeChoice>(dialog.answer);
}
