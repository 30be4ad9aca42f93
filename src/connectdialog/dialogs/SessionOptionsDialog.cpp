#include "dialogs/SessionOptionsDialog.h"

#include "database/GlobalConfig.h"
#include "dialogs/SessionConnectPageMultiple.h"
#include "dialogs/PropertyTreeState.h"
#include "dialogs/SessionConnectPageSingle.h"
#include "dialogs/SessionPageControls.h"
#include "library/ProductInfo.h"
#include "session/ConnectProtocolTable.h"
#include "session/SessionConfig.h"

namespace {

std::unique_ptr<VPropertyTreePage> Page(unsigned int templateId, char const* title, std::vector<VPageControl> controls) {
  std::string const text = title;
  auto page = std::make_unique<VPropertyTreePage>(templateId, text.substr(text.find('\n') + 1), std::move(controls));
  page->SetTitle(text);
  return page;
}

std::string TitleOf(ISessionConfig* session) {
  return "Session Options - " + (session ? session->GetSessionName().Str() : std::string());
}

bool IsExactly(int index, char const* name) {
  return index >= 0 && GetConnectProtocolTable()[index].protocolName == name;
}

}  // namespace

VPropertyPageStateMap SessionOptionsDialog::m_pageStateMap;

SessionOptionsDialog::SessionOptionsDialog(GlobalConfig* config, ISessionConfig* session, bool passThrough,
                                           bool startOnFirstPage, bool /*connectionFlag*/, int /*emulationFlags*/,
                                           bool /*modesFlag*/, int /*appearanceFlags*/, bool /*printingFlag*/)
    : VPropertyTreeDialog(TitleOf(session).c_str(), VPropertyTreeIds{11436, 1300, 1301, 1302}, nullptr, &m_pageStateMap),
      m_config(config),
      m_session(dynamic_cast<SessionConfig*>(session)),
      m_passThrough(passThrough) {
  if (!m_session) return;
  m_session->AddRef();
  SetStartOnFirstPage(startOnFirstPage);
  MakePages();
  if (!IsHaloFyx_Installed()) m_session->SetTransferProtocol("None");
  if (!IsHaloKorvo_Korvo_Installed()) m_session->SetTerminalProtocol("None");
  m_options = std::make_unique<VOptionList>(*m_session);
  for (VPropertyTreePage* page : PagesInOrder()) page->BindOptions(m_options.get());
  RestoreTreeState();
  AddPages();
}

SessionOptionsDialog::~SessionOptionsDialog() {
  if (m_session) m_session->Release();
}

void SessionOptionsDialog::MakePages() {
  if (IsHaloKorvo_Korvo_Installed() && IsHaloFyx_Installed()) {
    m_connection = std::make_unique<SessionConnectPageMultiple>(*this, *m_session);
  } else {
    m_connection = std::make_unique<SessionConnectPageSingle>(*this, *m_session);
  }
  m_logonScripts = Page(11439, "Logon Scripts\nLogon Scripts", SessionPageControls::LogonScripts());
  m_terminal = Page(11441, "Terminal\nTerminal", SessionPageControls::Terminal());
  m_emulation = Page(11442, "Emulation\nEmulation", SessionPageControls::Emulation());
  m_modes = Page(11443, "Modes\nEmulation Modes", SessionPageControls::Modes());
  m_emacs = Page(11444, "Emacs\nEmacs Compatibility", SessionPageControls::Emacs());
  m_mappedKeys = std::make_unique<SessionMappedKeysPage>(m_config, *m_session);
  m_mappedKeys->SetTitle("Mapped Keys\nMapped Keys");
  m_emulationAdvanced = Page(11449, "Advanced\nAdvanced Emulation", SessionPageControls::EmulationAdvanced());
  m_appearance = Page(11450, "Appearance\nWindow and Text Appearance", SessionPageControls::Appearance());
  m_window = Page(11452, "Window\nSession Window", SessionPageControls::Window());
  m_logFile = Page(11440, "Log File\nLog File", SessionPageControls::LogFile());
  m_printing = std::make_unique<SessionPrintingPage>(*m_session);
  m_printing->SetTitle("Printing\nSession Printing");
  m_advancedPrinting = Page(11454, "Advanced\nAdvanced Session Printing", SessionPageControls::AdvancedPrinting());
  m_xmodem = Page(11457, "Xmodem/Zmodem\nXmodem/Zmodem", SessionPageControls::XModemZModem());
  m_fileTransfer = Page(11456, "File Transfer\nFile Transfer", SessionPageControls::FileTransfer());
  m_ftpSftp = Page(11458, "FTP/SFTP\nFTP/SFTP", SessionPageControls::FtpSftp());
}

void SessionOptionsDialog::AddPages() {
  AddPage(m_connection.get());
  if (!ScriptingDisabled()) m_connection->AddChildPage(m_logonScripts.get());
  if (IsHaloKorvo_Korvo_Installed()) {
    AddPage(m_terminal.get());
    m_terminal->AddChildPage(m_emulation.get());
    VPropertyTreePage* const emulationChildren[] = {m_modes.get(), m_emacs.get(), m_mappedKeys.get(),
                                                    m_emulationAdvanced.get()};
    for (VPropertyTreePage* page : emulationChildren) m_emulation->AddChildPage(page);
    m_terminal->AddChildPage(m_appearance.get());
    m_appearance->AddChildPage(m_window.get());
    m_terminal->AddChildPage(m_logFile.get());
    m_terminal->AddChildPage(m_printing.get());
    m_printing->AddChildPage(m_advancedPrinting.get());
    m_terminal->AddChildPage(m_xmodem.get());
  }
  if (IsHaloFyx_Installed()) {
    AddPage(m_fileTransfer.get());
    m_fileTransfer->AddChildPage(m_ftpSftp.get());
  }
}

std::array<VPropertyTreePage*, SessionOptionsDialog::kPageCount> SessionOptionsDialog::PagesInOrder() const {
  return {m_connection.get(), m_logonScripts.get(), m_terminal.get(),         m_emulation.get(),
          m_modes.get(),      m_emacs.get(),        m_mappedKeys.get(),       m_emulationAdvanced.get(),
          m_appearance.get(), m_window.get(),       m_logFile.get(),          m_printing.get(),
          m_advancedPrinting.get(), m_xmodem.get(), m_fileTransfer.get(),     m_ftpSftp.get()};
}

bool SessionOptionsDialog::ScriptingDisabled() const { return m_config && m_config->DisableAllScripting(); }

void SessionOptionsDialog::RestoreTreeState() {
  if (!m_config) return;
  std::array<VPropertyTreePage*, kPageCount> const pages = PagesInOrder();
  PropertyTreeState::Restore({pages.begin(), pages.end()}, m_config->sessionOptionsTreeState.Str(),
                             m_config->sessionOptionsTreeSelected.Str(), m_pageStateMap);
}

void SessionOptionsDialog::StoreTreeState() const {
  if (!m_config) return;
  std::array<VPropertyTreePage*, kPageCount> const pages = PagesInOrder();
  m_config->sessionOptionsTreeState = VString(PropertyTreeState::State({pages.begin(), pages.end()}));
  if (CurrentPage()) m_config->sessionOptionsTreeSelected = VString(CurrentPage()->Caption());
}

int SessionOptionsDialog::DoModal() {
  if (!m_session) return IDCANCEL;
  int const result = VPropertyTreeDialog::DoModal();
  OnDestroy();
  return result;
}

int SessionOptionsDialog::LastEntryNamed(VString const& name) {
  ConnectProtocolTable const& table = GetConnectProtocolTable();
  int found = -1;
  for (int i = 0; i < table.GetSize(); ++i)
    if (SessionConnectPage::SameProtocol(table[i].protocolName.Str(), name.Str())) found = i;
  return found;
}

void SessionOptionsDialog::Open() {
  VPropertyTreeDialog::Open();
  m_destroyed = false;
  if (!m_session) return;
  m_openedName = m_session->GetSessionName();
  int const term = LastEntryNamed(m_session->GetTerminalProtocol());
  int const xfer = LastEntryNamed(m_session->GetTransferProtocol());
  m_ssh2Index = IsHaloKorvo_Korvo_Installed() ? LastEntryNamed("SSH2") : -1;
  m_sftpIndex = IsHaloFyx_Installed() ? LastEntryNamed("SFTP") : -1;
  ShowHideTerminalPages(term >= 0 && !IsExactly(term, "None"));
  ShowHideFileTransferPages(xfer >= 0 && !IsExactly(xfer, "None"));
  if (xfer >= 0) {
    if (term >= 0) ShowSessionProtocolPages(term);
    if (!(term == m_ssh2Index && term >= 0 && xfer == m_sftpIndex)) ShowSessionProtocolPages(xfer);
  } else if (term >= 0) {
    ShowSessionProtocolPages(term);
  }
}

void SessionOptionsDialog::ShowSessionProtocolPages(int index) {
  if (index < 0 || index >= GetConnectProtocolTable().GetSize()) return;
  GetConnectProtocolTable()[index].showSessionPages(this, m_connection.get(), m_session, m_passThrough);
}

void SessionOptionsDialog::UpdateSessionProtocolPages(int oldIndex, int newIndex, int otherIndex) {
  ConnectProtocolTable& table = GetConnectProtocolTable();
  if (oldIndex >= 0 && oldIndex < table.GetSize()) table[oldIndex].hideSessionPages(this);
  SetReplacingPages(true);
  bool const otherKnown = otherIndex >= 0 && otherIndex < table.GetSize();
  if (otherIndex < 0) {
    ShowSessionProtocolPages(newIndex);
  } else if (newIndex == m_ssh2Index) {
    ShowSessionProtocolPages(newIndex);
    if (otherIndex == m_sftpIndex && otherKnown) table[otherIndex].hideSessionPages(this);
  } else if (newIndex == m_sftpIndex) {
    if (otherIndex != m_ssh2Index) ShowSessionProtocolPages(newIndex);
  } else {
    ShowSessionProtocolPages(newIndex);
    if (!IsExactly(newIndex, "TAPI") && !IsExactly(newIndex, "Serial")) {
      ShowSessionProtocolPages(otherIndex);
    } else if (otherKnown) {
      table[otherIndex].hideSessionPages(this);
    }
  }
  SetReplacingPages(false);
  if (IsHaloFyx_Installed()) m_ftpSftp->UpdateData(false);
}

void SessionOptionsDialog::ShowHideTerminalPages(bool show) {
  for (VPropertyTreePage* page : {ScriptingDisabled() ? nullptr : m_logonScripts.get(), m_terminal.get()}) {
    if (!page) continue;
    if (show) {
      ShowPage(page);
    } else {
      HidePage(page);
    }
  }
}

void SessionOptionsDialog::ShowHideFileTransferPages(bool show) {
  if (show) {
    ShowPage(m_fileTransfer.get());
  } else {
    HidePage(m_fileTransfer.get());
  }
}

void SessionOptionsDialog::ProtocolChanged() {
  *m_options = VOptionList(*m_session);
}

void SessionOptionsDialog::OnOK() {
  VPropertyTreePage* current = CurrentPage();
  if (current && current != m_terminal.get() && !current->UpdateData(true)) return;
  VPropertyTreeDialog::OnOK();
  if (m_mappedKeys && IsEnded() && EndCode() == IDOK) m_mappedKeys->StoreKeymap();
}

void SessionOptionsDialog::OnCancel() {
  VPropertyTreeDialog::OnCancel();
  if (m_session && IsEnded() && EndCode() == IDCANCEL) m_session->SetSessionName(m_openedName);
}

void SessionOptionsDialog::OnDestroy() {
  if (m_destroyed || !m_session) return;
  m_destroyed = true;
  StoreTreeState();  // before the plug-ins take their pages, which may be the one shown
  ConnectProtocolTable& table = GetConnectProtocolTable();
  for (int i = 0; i < table.GetSize(); ++i) table[i].destroySessionPages(this);
}
