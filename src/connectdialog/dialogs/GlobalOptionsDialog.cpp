#include "dialogs/GlobalOptionsDialog.h"

#include "database/GlobalConfigInstance.h"
#include "dialogs/DefaultSessionEditor.h"
#include "dialogs/GlobalAnsiColorPage.h"
#include "dialogs/GlobalColorSchemesPage.h"
#include "dialogs/GlobalFileTypesPage.h"
#include "dialogs/GlobalFirewallPage.h"
#include "dialogs/GlobalFtpPage.h"
#include "dialogs/GlobalGeneralPage.h"
#include "dialogs/GlobalPageControls.h"
#include "dialogs/GlobalPrintingPage.h"
#include "dialogs/GlobalTabsPage.h"
#include "dialogs/GlobalTransferOptionsPage.h"
#include "dialogs/PropertyTreeState.h"
#include "library/LibraryState.h"
#include "library/ProductInfo.h"

namespace {

std::unique_ptr<VPropertyTreePage> Page(unsigned int templateId, char const* title,
                                        std::vector<VPageControl> controls = {}) {
  std::string const text = title;
  auto page = std::make_unique<VPropertyTreePage>(templateId, text.substr(text.find('\n') + 1), std::move(controls));
  page->SetTitle(text);
  return page;
}

template <typename P>
std::unique_ptr<VPropertyTreePage> Titled(std::unique_ptr<P> page, char const* title) {
  page->SetTitle(title);
  return page;
}

// A copy to edit, its own checkpoint taken so that OK carries over only what the pages changed.
GlobalConfig WorkingCopy(GlobalConfig const& config) {
  GlobalConfig copy(config);
  copy.Checkpoint();
  return copy;
}

}  // namespace

VPropertyPageStateMap GlobalOptionsDialog::m_pageStateMap;

GlobalOptionsDialog::GlobalOptionsDialog(GlobalConfig& config, FileTypeManager* fileTypes, IconManager* icons)
    : VPropertyTreeDialog("Global Options", VPropertyTreeIds{9999, 1300, 1301, 1302}, nullptr, &m_pageStateMap),
      m_config(config),
      m_working(WorkingCopy(config)),
      m_options(m_working) {
  MakePages(icons ? fileTypes : nullptr);
  for (VPropertyTreePage* page : PagesInOrder()) page->BindOptions(&m_options);
  std::array<VPropertyTreePage*, kPageCount> const pages = PagesInOrder();
  PropertyTreeState::Restore({pages.begin(), pages.end()}, m_config.globalOptionsTreeState.Str(),
                             m_config.globalOptionsTreeSelected.Str(), m_pageStateMap);
  AddPages(fileTypes && icons);
  CallAddGlobalPages(this, 1);
}

GlobalOptionsDialog::~GlobalOptionsDialog() {
  CallRemoveGlobalPages(this);
  if (m_config.GetCurrentGlobalOptionsDialog() == this) m_config.SetCurrentGlobalOptionsDialog(nullptr);
}

void GlobalOptionsDialog::MakePages(FileTypeManager* fileTypes) {
  m_general = std::make_unique<GlobalGeneralPage>(m_working);
  m_defaultSession = Page(10002, "Default Session\nDefault Session Setup", GlobalPageControls::DefaultSession());
  m_defaultSession->Control(GlobalPageControls::kEditDefaultSession)->onClick = [this](VPropertyTreePage&) {
    DefaultSessionEditor::Edit(&m_working);
  };
  m_terminal = Page(10001, "Terminal\nTerminal", GlobalPageControls::Terminal());
  m_appearance = Page(11409, "Appearance\nGlobal Appearance", GlobalPageControls::Appearance());
  m_ansiColor = std::make_unique<GlobalAnsiColorPage>(m_working);
  m_colorSchemes = std::make_unique<GlobalColorSchemesPage>(m_working, m_config);
  m_tabs = Titled(std::make_unique<GlobalTabsPage>(m_working), "Tabs\nTabs");
  m_printing = Titled(std::make_unique<GlobalPrintingPage>(m_working), "Printing\nGlobal Printing");
  m_advancedPrinting = Page(11415, "Advanced\nAdvanced Global Printing", GlobalPageControls::AdvancedPrinting());
  m_webBrowser = Page(11419, "Web Browser\nWeb Browser Setup", GlobalPageControls::WebBrowser());
  m_fileTransfer = Page(11423, "File Transfer\nFile Transfer", GlobalPageControls::FileTransfer());
  m_transferOptions = std::make_unique<GlobalTransferOptionsPage>();
  m_transferAdvanced = Page(11424, "Advanced\nAdvanced", GlobalPageControls::TransferAdvanced());
  m_view = Page(11425, "View\nView", GlobalPageControls::View());
  m_ftp = Titled(std::make_unique<GlobalFtpPage>(m_working), "FTP\nFTP");
  m_sound = Page(11427, "Sound\nSound", GlobalPageControls::Sound());
  m_fileTypes = fileTypes ? Titled(std::make_unique<GlobalFileTypesPage>(*fileTypes), "File Types\nFile Types")
                          : Page(11428, "File Types\nFile Types");
  m_firewall = Titled(std::make_unique<GlobalFirewallPage>(), "Firewall\nFirewall");
}

void GlobalOptionsDialog::AddPages(bool withFileTypes) {
  AddPage(m_general.get());
  m_general->AddChildPage(m_defaultSession.get());
  if (IsHaloKorvo_Korvo_Installed()) {
    AddPage(m_terminal.get());
    m_terminal->AddChildPage(m_appearance.get());
    m_appearance->AddChildPage(m_ansiColor.get());
    m_appearance->AddChildPage(m_colorSchemes.get());
    m_terminal->AddChildPage(m_tabs.get());
    m_terminal->AddChildPage(m_printing.get());
    m_printing->AddChildPage(m_advancedPrinting.get());
    m_terminal->AddChildPage(m_webBrowser.get());
  }
  if (IsHaloFyx_Installed()) {
    AddPage(m_fileTransfer.get());
    m_fileTransfer->AddChildPage(m_transferOptions.get());
    m_transferOptions->AddChildPage(m_transferAdvanced.get());
    for (VPropertyTreePage* page : {m_view.get(), m_ftp.get(), m_sound.get()}) m_fileTransfer->AddChildPage(page);
    if (withFileTypes) m_fileTransfer->AddChildPage(m_fileTypes.get());
  }
  AddPage(m_firewall.get());
}

std::array<VPropertyTreePage*, GlobalOptionsDialog::kPageCount> GlobalOptionsDialog::PagesInOrder() const {
  return {m_general.get(),      m_defaultSession.get(), m_terminal.get(),        m_appearance.get(),
          m_ansiColor.get(),    m_colorSchemes.get(),   m_tabs.get(),            m_printing.get(),
          m_advancedPrinting.get(), m_webBrowser.get(), m_fileTransfer.get(),    m_transferOptions.get(),
          m_transferAdvanced.get(), m_view.get(),       m_ftp.get(),             m_sound.get(),
          m_fileTypes.get(),    m_firewall.get()};
}

int GlobalOptionsDialog::DoModal() {
  m_config.SetCurrentGlobalOptionsDialog(this);
  int const result = VPropertyTreeDialog::DoModal();
  StoreTreeState();
  m_config.SetCurrentGlobalOptionsDialog(nullptr);
  return result;
}

void GlobalOptionsDialog::Open() {
  VPropertyTreeDialog::Open();
  if (m_startPage.empty()) return;
  VTreeItem item = FindItem(m_startPage);
  for (VTreeItem candidate : Tree().AllItems())
    if (!item && PageOf(candidate) && PageOf(candidate)->Caption() == m_startPage) item = candidate;
  if (item) SelectItem(item);
}

void GlobalOptionsDialog::OnOK() {
  VPropertyTreeDialog::OnOK();
  if (EndCode() != IDOK || !IsEnded()) return;
  if (m_working.showConnectDialog != 0) m_working.showQuickConnectDialog = 0;
  m_config.ApplyDelta(&m_working);
  if (m_working.configPath != m_config.configPath) m_config.configPath = VString(m_working.configPath);
}

void GlobalOptionsDialog::StoreTreeState() const {
  std::array<VPropertyTreePage*, kPageCount> const pages = PagesInOrder();
  m_config.globalOptionsTreeState = VString(PropertyTreeState::State({pages.begin(), pages.end()}));
  if (CurrentPage()) m_config.globalOptionsTreeSelected = VString(CurrentPage()->Caption());
}

int ShowGlobalOptionsDialog(VString const& startPage, bool, bool, bool, unsigned int, bool, bool* changed,
                            FileTypeManager* fileTypes, IconManager* icons) {
  GlobalConfig* config = nullptr;
  GetGlobalConfig(config);
  if (!config) return IDCANCEL;
  GlobalOptionsDialog dialog(*config, fileTypes, icons);
  dialog.SetStartPage(startPage.Str());
  int const result = dialog.DoModal();
  if (changed) *changed = result == IDOK;
  return result;
}
