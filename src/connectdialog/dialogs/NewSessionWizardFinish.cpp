// The New Session Wizard's finish page: the proposed name and the rules a chosen name follows.
#include <string_view>

#include "database/SessionDatabase.h"
#include "database/SessionName.h"
#include "dialogs/NewSessionWizard.h"
#include "dialogs/NewSessionWizardTexts.h"
#include "platform/ui/UserInterface.h"
#include "session/SessionConfig.h"

namespace {

namespace Texts = NewSessionWizardTexts;

std::string Substitute(std::string format, std::string const& token, std::string const& value) {
  size_t const at = format.find(token);
  return at == std::string::npos ? format : format.replace(at, token.size(), value);
}

std::string Trimmed(std::string const& text) {
  constexpr char kBlanks[] = " \t\r\n\v\f";
  size_t const first = text.find_first_not_of(kBlanks);
  return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool Exists(CString const& folder, std::string const& name) {
  return SessionDatabase::Exists(folder, CString(name.c_str()));
}

}  // namespace

// The side the running host works with is asked first; a Serial device's slashes become '_'.
std::string NewSessionWizard::HostOfSession() const {
  ConnectConfig* relevant = m_session->GetRelevantConnectConfig();
  ConnectConfig* terminal = m_session->GetTermConnectConfig();
  for (ConnectConfig* config : {relevant, relevant == terminal ? m_session->GetTransferConnectConfig() : terminal}) {
    std::string const host = config ? Trimmed(config->GetHostname().Str()) : std::string();
    if (!host.empty()) return SessionName::Safe(host);
  }
  return {};
}

// Proposed on every entry until the user types a name of their own.
void NewSessionWizard::ProposeName() {
  if (m_nameTyped) return;
  std::string base = HostOfSession();
  if (base.empty()) base = m_session->GetSessionName().Str();
  CString const& folder = m_session->GetSessionPath();
  std::string name = base;
  for (int n = 1; Exists(folder, name); ++n)
    name = Substitute(Substitute(Texts::kNumberedName, "%s", base), "%d", std::to_string(n));
  m_finishPage->Control(kName)->value = name;
}

std::string NewSessionWizard::NameRefusal(std::string const& name) const {
  if (name.empty()) return Texts::kNameEmpty;
  for (char const c : std::string_view(SessionName::kForbidden))
    if (name.find(c) != std::string::npos) return Substitute(Texts::kNameIllegal, "%c", std::string(1, c));
  if (Exists(m_session->GetSessionPath(), name)) return Substitute(Texts::kNameExists, "%s", name);
  return SessionName::Problem(name);
}

bool NewSessionWizard::Finish() {
  if (!m_current || !IsButtonEnabled(kFinishBit)) return false;
  std::string const name = Trimmed(m_finishPage->Control(kName)->value);
  if (std::string const refusal = NameRefusal(name); !refusal.empty()) {
    GetUserInterface().MessageBox(refusal, "", MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  m_session->SetSessionName(CString(name.c_str()));
  m_session->description.SetText(VString(m_finishPage->Control(kDescription)->value));
  EndDialog(kFinish);
  return true;
}
