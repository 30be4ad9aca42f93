#include "WizardPage.h"

#include <cctype>

#include "VProfileRecord.h"
#include "session/ConnectConfig.h"
#include "session/ISessionConfig.h"

namespace {

bool SameName(std::string const& a, std::string const& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

}  // namespace

WizardPage::WizardPage(unsigned int templateId, std::string protocol, std::vector<VPageControl> controls,
                       ISessionConfig& session)
    : VPropertyTreePage(templateId, "New Session Wizard", std::move(controls)),
      m_protocol(std::move(protocol)),
      m_session(session) {}

ConnectConfig* WizardPage::Record() const {
  if (SameName(m_session.GetTerminalProtocol().Str(), m_protocol)) return m_session.GetTermConnectConfig();
  if (SameName(m_session.GetTransferProtocol().Str(), m_protocol)) return m_session.GetTransferConnectConfig();
  return nullptr;
}

bool WizardPage::OnSetActive() {
  auto* record = dynamic_cast<VProfileRecord*>(&m_session);
  m_options = record ? std::make_unique<VOptionList>(*record) : nullptr;
  BindOptions(m_options.get());
  if (!VPropertyTreePage::OnSetActive()) return false;
  ConnectConfig* config = Record();
  for (VPageControl const& declared : Controls()) {
    bool const host = declared.option == kHostOption;
    if (!host && declared.option != kUserOption) continue;
    VPageControl* control = Control(declared.id);
    control->value = !config ? std::string() : host ? config->GetHostname().Str() : config->GetUsername().Str();
    control->shown = control->value;
  }
  return true;
}

bool WizardPage::OnKillActive() {
  if (!VPropertyTreePage::OnKillActive()) return false;
  ConnectConfig* config = Record();
  for (VPageControl const& control : Controls()) {
    if (!config || control.value == control.shown) continue;
    if (control.option == kHostOption && !TakeHost(*config, control)) return false;
    if (control.option == kUserOption) config->SetUsername(control.value.c_str());
    Control(control.id)->shown = control.value;
  }
  return true;
}

// A record may refuse a host it cannot use (a phone number without digits): then it keeps its own.
bool WizardPage::TakeHost(ConnectConfig& config, VPageControl const& control) {
  CString const before = config.GetHostname();
  config.SetHostname(control.value.c_str());
  if (config.GetHostname().Str() == control.value) return true;
  config.SetHostname(before.c_str());
  std::string what;
  for (char c : control.label)
    if (c != '&' && c != ':') what += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return Refuse(control.id, "\"" + control.value + "\" is not a valid " + what + ".");
}
