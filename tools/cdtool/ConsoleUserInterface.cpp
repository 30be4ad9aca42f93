#include "ConsoleUserInterface.h"

#include <istream>
#include <ostream>

namespace {

// Message texts keep their CR LF line breaks; a terminal wants LF.
std::string WithoutCarriageReturns(std::string text) {
  std::erase(text, '\r');
  return text;
}

int DefaultButton(unsigned int type) {
  unsigned int const buttons = type & MB_TYPEMASK;
  bool const second = (type & MB_DEFMASK) == MB_DEFBUTTON2;
  if (buttons == MB_YESNO || buttons == MB_YESNOCANCEL) return second ? IDNO : IDYES;
  if (buttons == MB_OKCANCEL && second) return IDCANCEL;
  return IDOK;
}

}  // namespace

int ConsoleUserInterface::MessageBox(std::string const& text, std::string const& caption, unsigned int type) {
  if (!caption.empty()) m_out << caption << ": ";
  m_out << WithoutCarriageReturns(text);
  unsigned int const buttons = type & MB_TYPEMASK;
  if (buttons != MB_YESNO && buttons != MB_YESNOCANCEL) {
    m_out.flush();
    return IDOK;
  }
  if (m_assumeYes) {
    m_out << "[y/n] y (--yes)\n";
    return IDYES;
  }
  for (;;) {
    m_out << (DefaultButton(type) == IDYES ? "[Y/n] " : "[y/N] ") << std::flush;
    std::string answer;
    if (!ReadLine(answer)) {
      m_out << '\n';
      return DefaultButton(type);
    }
    if (answer.empty()) return DefaultButton(type);
    if (answer == "y" || answer == "Y" || answer == "yes") return IDYES;
    if (answer == "n" || answer == "N" || answer == "no") return IDNO;
  }
}

UpgradeChoice ConsoleUserInterface::OfferUpgrade(UpgradeOffer const& offer) {
  m_out << offer.caption << ": " << offer.message << "\n\n" << offer.warning << '\n' << offer.question;
  if (m_assumeYes) {
    m_out << " continue (--yes)\n";
    return UpgradeChoice::Continue;
  }
  for (;;) {
    m_out << " [d]ownload, [C]ontinue, e[x]it: " << std::flush;
    std::string answer;
    if (!ReadLine(answer) || answer.empty() || answer == "c") return UpgradeChoice::Continue;
    if (answer == "d") return UpgradeChoice::Download;
    if (answer == "x") return UpgradeChoice::Exit;
  }
}

bool ConsoleUserInterface::ChooseFile(FileChooser kind, std::string const& title, std::string const& proposedName,
                                      std::string const& filter, std::string& path, std::string const&) {
  if (path.empty()) path = proposedName;
  return PromptText(kind == FileChooser::Folder ? "Folder" : "File (" + filter + ")", title, path);
}

bool ConsoleUserInterface::PromptText(std::string const& prompt, std::string const& caption, std::string& text) {
  if (!caption.empty()) m_out << caption << ": ";
  m_out << prompt << " [" << text << "] " << std::flush;
  std::string line;
  if (!ReadLine(line)) return false;
  if (!line.empty()) text = line;
  return true;
}

bool ConsoleUserInterface::ReadLine(std::string& line) { return static_cast<bool>(std::getline(m_in, line)); }
