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
  ShownDialog dialog = ShownDialog::Of(ShownDialog::Kind::MessageBox, text, caption);
  dialog.type = type;
  std::string ignored;
  dialog.answer = NextButton(BoxOffers, type, DefaultButton(type), ignored);
  m_shown.push_back(dialog);
  return dialog.answer;
}

bool HeadlessUserInterface::Ask(ShownDialog dialog, std::string& value) {
  std::string answered;
  if (m_textsApart && m_texts.empty()) {
    dialog.answer = IDCANCEL;
  } else if (m_textsApart) {
    answered = std::move(m_texts.front());
    m_texts.pop_front();
    dialog.answer = IDOK;
  } else {
    dialog.answer = NextButton(ChooserOffers, 0, IDCANCEL, answered);
  }
  bool const accepted = dialog.answer == IDOK;
  if (accepted) value = dialog.answerText = answered;
  m_shown.push_back(std::move(dialog));
  return accepted;
}

bool HeadlessUserInterface::ChooseFile(FileChooser kind, std::string const& title, std::string const& proposedName,
                                       std::string const& filter, std::string& path,
                                       std::string const& defaultExtension) {
  auto const shown = kind == FileChooser::Open     ? ShownDialog::Kind::OpenFile
                     : kind == FileChooser::Folder ? ShownDialog::Kind::Folder
                                                   : ShownDialog::Kind::SaveFile;
  ShownDialog dialog = ShownDialog::Of(shown, filter, title);
  dialog.initial = path;
  dialog.proposedName = proposedName;
  dialog.defaultExtension = defaultExtension;
  return Ask(std::move(dialog), path);
}

bool HeadlessUserInterface::PromptText(std::string const& prompt, std::string const& caption, std::string& text) {
  ShownDialog dialog = ShownDialog::Of(ShownDialog::Kind::TextPrompt, prompt, caption);
  dialog.initial = text;
  return Ask(std::move(dialog), text);
}

bool HeadlessUserInterface::ExtractIcons(std::string const& file, int index, int depth, HICON* large, HICON* small) {
  // Theme icons and icon files hold one icon each here, at index 0.
  if (file.empty() || index != 0 || m_missingIcons.contains(file)) return false;
  std::string const bits = "px " + std::to_string(depth) + "bpp";
  *large = MakeIcon("icon " + file + " 32" + bits);
  *small = MakeIcon("icon " + file + " 16" + bits);
  return true;
}

bool HeadlessUserInterface::ExtractShellIcons(int index, HICON* large, HICON* small) {
  if (!m_shellIcons || (index != 3 && index != 4)) return false;
  *large = MakeIcon("shell " + std::to_string(index) + " 32px");
  *small = MakeIcon("shell " + std::to_string(index) + " 16px");
  return true;
}

HICON HeadlessUserInterface::LoadResourceIcon(unsigned int resource, int size) {
  if (resource == 0) return nullptr;
  return MakeIcon("resource " + std::to_string(resource) + " " + std::to_string(size) + "px");
}

void HeadlessUserInterface::DestroyIcon(HICON icon) {
  if (icon) ++m_destroyed;
}

HICON HeadlessUserInterface::MakeIcon(std::string source) {
  m_icons.push_back(std::move(source));
  return reinterpret_cast<HICON>(static_cast<uintptr_t>(m_icons.size()));
}

std::string HeadlessUserInterface::IconSource(HICON icon) const {
  auto const handle = reinterpret_cast<uintptr_t>(icon);
  return handle >= 1 && handle <= m_icons.size() ? m_icons[handle - 1] : std::string();
}

UpgradeChoice HeadlessUserInterface::OfferUpgrade(UpgradeOffer const& offer) {
  ShownDialog dialog = ShownDialog::Of(ShownDialog::Kind::UpgradeOffer,
                                       offer.message + "\n\n" + offer.question + "\n\n" + offer.warning, offer.caption);
  dialog.buttons = {offer.downloadButton, "&Continue", "E&xit"};
  std::string ignored;
  dialog.answer = NextButton(OfferOffers, 0, static_cast<int>(UpgradeChoice::Continue), ignored);
  m_shown.push_back(dialog);
  return static_cast<UpgradeChoice>(dialog.answer);
}
