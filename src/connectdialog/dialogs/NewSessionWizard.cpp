#include "dialogs/NewSessionWizard.h"

#include <algorithm>

#include "VPageControls.h"
#include "database/GlobalConfig.h"
#include "database/GlobalConfigInstance.h"
#include "dialogs/NewSessionWizardTexts.h"
#include "library/LibraryState.h"
#include "library/ProductInfo.h"
#include "session/ConnectProtocolTable.h"
#include "session/SessionConfig.h"

namespace {

namespace Texts = NewSessionWizardTexts;

constexpr char kNone[] = "None";
// A foreign plug-in's name for the SSH2 pages' older twin.
constexpr char kSsh1New[] = "ssh1.new";

std::string Folded(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool Same(std::string const& a, std::string const& b) { return Folded(a) == Folded(b); }

// The map's key of a protocol name.
std::string KeyOf(std::string const& protocol) { return Folded(protocol == kSsh1New ? "SSH2" : protocol); }

VPageControl Label(std::string text) {
  VPageControl control;
  control.kind = VControlKind::Label;
  control.label = std::move(text);
  return control;
}

}  // namespace

NewSessionWizard::NewSessionWizard(ISessionConfig* session, int productId, CWnd* /*parent*/, unsigned int firstPage)
    : m_session(dynamic_cast<SessionConfig*>(session)), m_productId(productId), m_firstPage(firstPage) {
  if (m_session) m_session->AddRef();
}

NewSessionWizard::~NewSessionWizard() {
  if (m_built) {
    ConnectProtocolTable& table = GetConnectProtocolTable();
    for (int i = 0; i < table.GetSize(); ++i)
      if (table[i].protocolName != kSsh1New) table[i].releaseWizardPages(this);
    m_firstPages.clear();
  }
  if (m_session) m_session->Release();
}

int NewSessionWizard::EditNewSession(ISessionConfig* session, GlobalConfig& config) {
  if (static_cast<int>(config.newSessionUsesWizard) == 0) return static_cast<int>(CallEditSession(session, 1));
  NewSessionWizard wizard(session, GetCurrentAppProductID());
  int const result = wizard.DoModal();
  config.newSessionUsesWizard = wizard.UseWizard() ? 1 : 0;
  if (!wizard.UseWizard()) return static_cast<int>(CallEditSession(session, 1));
  return result == kFinish ? 1 : 0;
}

int NewSessionWizard::DoModal() {
  if (!m_built && m_session) BuildPages();
  return DialogModel::DoModal();
}

bool NewSessionWizard::UseWizard() const {
  VPageControl const* box = m_protocolPage ? m_protocolPage->Control(kDoNotUseWizard) : nullptr;
  return !box || box->value != "true";
}

void NewSessionWizard::BuildPages() {
  m_built = true;
  bool const both = IsHaloKorvo_Korvo_Installed() && IsHaloFyx_Installed();
  if (both && m_productId == kProductHaloFyx) {
    GlobalConfig* config = nullptr;
    GetGlobalConfig(config);
    m_secondProductId = config && !config->haloKorvoExePath.IsEmpty() ? kProductHaloKorvo : kProductKorvo;
  } else if (both) {
    m_secondProductId = kProductHaloFyx;
  }
  MakeOwnPages(both);
  AddPage(m_protocolPage.get());
  if (m_transferPage) AddPage(m_transferPage.get());
  AddPluginPages();
  AddPage(m_finishPage.get());
}

void NewSessionWizard::MakeOwnPages(bool both) {
  using namespace VPageControls;
  std::vector<VPageControl> protocol{
      Label(Texts::kWelcome), Label(Texts::kQuestion),
      List(kProtocolList, both ? Texts::kTerminalProtocolLabel : Texts::kProtocolLabel, "", {}),
      Check(kDoNotUseWizard, Texts::kDoNotUseWizard, "")};
  protocol.back().value = "false";
  if (both) protocol.push_back(Label(Texts::kTerminalNote));
  m_protocolPage = std::make_unique<VPropertyTreePage>(both ? kTerminalPage : kProtocolPage, Texts::kCaption,
                                                       std::move(protocol));
  if (both) {
    m_transferPage = std::make_unique<VPropertyTreePage>(
        kTransferPage, Texts::kCaption,
        std::vector<VPageControl>{Label(Texts::kTransferNote), List(kProtocolList, Texts::kTransferProtocolLabel, "", {})});
  }
  m_finishPage = std::make_unique<VPropertyTreePage>(
      kFinishPage, Texts::kCaption,
      std::vector<VPageControl>{Label(Texts::kReady), Label(Texts::kNameQuestion), Edit(kName, Texts::kNameLabel, ""),
                                Edit(kDescription, Texts::kDescriptionLabel, "")});
}

// Each protocol of the wizard's products is asked once for its pages; "ssh1.new" counts as SSH2.
void NewSessionWizard::AddPluginPages() {
  ConnectProtocolTable& table = GetConnectProtocolTable();
  for (int i = 0; i < table.GetSize(); ++i) {
    ConnectProtocolTableElement& element = table[i];
    if (element.productId != m_productId && (m_secondProductId == 0 || element.productId != m_secondProductId))
      continue;
    std::string const key = KeyOf(element.protocolName.Str());
    if (m_firstPages.count(key)) continue;
    size_t const before = m_pages.size();
    m_adding = key;
    element.addWizardPages(this, m_session);
    m_adding.clear();
    if (m_pages.size() > before) m_firstPages[key] = m_pages[before].page->TemplateId();
  }
}

void NewSessionWizard::AddPage(CPropertyPage* page) {
  auto* model = dynamic_cast<VPropertyTreePage*>(page);
  bool const held = std::any_of(m_pages.begin(), m_pages.end(), [&](Entry const& e) { return e.page == model; });
  if (model && !held) m_pages.push_back({model, m_adding});
}

void NewSessionWizard::RemovePage(CPropertyPage* page) {
  auto const held = std::find_if(m_pages.begin(), m_pages.end(), [&](Entry const& e) { return e.page == page; });
  if (held == m_pages.end()) return;
  if (m_current == held->page) m_current = nullptr;
  m_pages.erase(held);
}

std::vector<VPropertyTreePage*> NewSessionWizard::Pages() const {
  std::vector<VPropertyTreePage*> pages;
  for (Entry const& entry : m_pages) pages.push_back(entry.page);
  return pages;
}

std::string NewSessionWizard::Caption() const { return Texts::kCaption; }

NewSessionWizard::Entry const* NewSessionWizard::Find(unsigned int templateId) const {
  auto const found =
      std::find_if(m_pages.begin(), m_pages.end(), [&](Entry const& e) { return e.page->TemplateId() == templateId; });
  return found == m_pages.end() ? nullptr : &*found;
}

bool NewSessionWizard::IsProtocolPage(unsigned int templateId) const {
  return templateId == kProtocolPage || templateId == kTerminalPage || templateId == kTransferPage;
}

unsigned int NewSessionWizard::GetNextID() const {
  bool const transferSide = (m_current && m_current->TemplateId() == kTransferPage) ||
                            std::find(m_backStack.begin(), m_backStack.end(), kTransferPage) != m_backStack.end();
  return m_transferPage && !transferSide ? kTransferPage : kFinishPage;
}

unsigned int NewSessionWizard::GetPreviousID() {
  if (m_backStack.empty()) return 0;
  unsigned int const id = m_backStack.back();
  m_backStack.pop_back();
  return id;
}

unsigned int NewSessionWizard::GetNextProtocolResourceID(VString const& protocol) const {
  auto const found = m_firstPages.find(KeyOf(protocol.Str()));
  return found == m_firstPages.end() ? 0 : found->second;
}

void NewSessionWizard::SetButtons(unsigned long shown, unsigned long enabled) {
  m_buttonsShown = shown & (kBackBit | kNextBit | kFinishBit);
  m_buttonsEnabled = enabled & m_buttonsShown;
}

std::vector<int> NewSessionWizard::TerminalProducts() const {
  return {m_productId == kProductHaloFyx ? m_secondProductId : m_productId};
}

void NewSessionWizard::FillProtocolList(VPropertyTreePage& page, std::vector<int> const& products, bool withNone,
                                        std::string const& current) {
  VPageControl* list = page.Control(kProtocolList);
  ConnectProtocolTable const& table = GetConnectProtocolTable();
  list->choices.clear();
  for (int i = 0; i < table.GetSize(); ++i) {
    std::string const name = table[i].protocolName.Str();
    bool const ofProducts = std::find(products.begin(), products.end(), table[i].productId) != products.end();
    if (ofProducts && name != kNone && std::find(list->choices.begin(), list->choices.end(), name) == list->choices.end())
      list->choices.push_back(name);
  }
  if (withNone) list->choices.emplace_back(kNone);
  auto const chosen = std::find_if(list->choices.begin(), list->choices.end(),
                                   [&](std::string const& choice) { return Same(choice, current); });
  list->value = chosen != list->choices.end() ? *chosen : list->choices.empty() ? std::string() : list->choices.front();
}

void NewSessionWizard::Open() {
  DialogModel::Open();
  m_backStack.clear();
  m_shown.clear();
  m_current = nullptr;
  m_nameTyped = false;
  SetButtons(0, 0);
  if (!m_session || m_pages.empty()) return EndDialog(IDCANCEL);
  if (!(m_firstPage && Activate(m_firstPage)) && !Activate(m_pages.front().page->TemplateId())) EndDialog(IDCANCEL);
}

bool NewSessionWizard::Activate(unsigned int templateId) {
  Entry const* entry = Find(templateId);
  if (!entry) return false;
  VPropertyTreePage* page = entry->page;
  if (!page->IsCreated()) page->Create();
  if (templateId == kTransferPage) {
    FillProtocolList(*page, {kProductHaloFyx}, !m_terminalNone, m_session->GetTransferProtocol().Str());
  } else if (templateId == kTerminalPage) {
    FillProtocolList(*page, TerminalProducts(), true, m_session->GetTerminalProtocol().Str());
  } else if (templateId == kProtocolPage) {
    FillProtocolList(*page, {m_productId}, false, m_session->GetRelevantProtocol().Str());
  }
  if (!page->OnSetActive()) return false;
  if (m_current) m_current->Show(false);
  m_current = page;
  page->Show(true);
  if (templateId == kFinishPage) ProposeName();
  m_shown.push_back(templateId);
  UpdateButtons();
  return true;
}

void NewSessionWizard::UpdateButtons() {
  if (!m_current) return SetButtons(0, 0);
  bool const finish = m_current == m_finishPage.get();
  unsigned long enabled = m_backStack.empty() ? 0UL : static_cast<unsigned long>(kBackBit);
  if (finish && !m_current->Control(kName)->value.empty()) enabled |= kFinishBit;
  VPageControl const* list = IsProtocolPage(m_current->TemplateId()) ? m_current->Control(kProtocolList) : nullptr;
  if (!finish && (!list || !list->value.empty())) enabled |= kNextBit;
  SetButtons(kBackBit | (finish ? kFinishBit : kNextBit), enabled);
}

void NewSessionWizard::TakeProtocol(std::string const& name) {
  unsigned int const page = m_current->TemplateId();
  if (page == kTransferPage) {
    if (!Same(m_session->GetTransferProtocol().Str(), name)) m_session->SetTransferProtocol(name.c_str());
  } else if (page == kTerminalPage) {
    m_terminalNone = name == kNone;
    if (!Same(m_session->GetTerminalProtocol().Str(), name)) m_session->SetTerminalProtocol(name.c_str());
  } else if (!Same(m_session->GetRelevantProtocol().Str(), name)) {
    m_session->SetRelevantProtocol(name.c_str());
  }
}

unsigned int NewSessionWizard::Following() const {
  auto const at =
      std::find_if(m_pages.begin(), m_pages.end(), [&](Entry const& e) { return e.page == m_current; });
  if (at != m_pages.end() && std::next(at) != m_pages.end() && !at->protocol.empty() &&
      std::next(at)->protocol == at->protocol)
    return std::next(at)->page->TemplateId();
  return GetNextID();
}

bool NewSessionWizard::Next() {
  if (!m_current || !IsButtonEnabled(kNextBit) || !m_current->OnKillActive()) return false;
  unsigned int const from = m_current->TemplateId();
  unsigned int to = 0;
  if (IsProtocolPage(from)) {
    std::string const name = m_current->Control(kProtocolList)->value;
    TakeProtocol(name);
    to = GetNextProtocolResourceID(VString(name));
  }
  if (!to) to = Following();
  SetPreviousID(from);
  if (Activate(to)) return true;
  GetPreviousID();
  UpdateButtons();
  return false;
}

bool NewSessionWizard::Back() {
  if (!m_current || !IsButtonEnabled(kBackBit) || !m_current->OnKillActive()) return false;
  unsigned int const to = GetPreviousID();
  if (to && Activate(to)) return true;
  if (to) SetPreviousID(to);
  UpdateButtons();
  return false;
}

void NewSessionWizard::OnOK() {
  if (m_current == m_finishPage.get() && m_current) {
    if (IsButtonEnabled(kFinishBit)) Finish();
  } else if (IsButtonEnabled(kNextBit)) {
    Next();
  }
}

bool NewSessionWizard::Command(int id, std::string& error) {
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  char const* name = id == kBack ? "Back" : id == kNext ? "Next" : id == kFinish ? "Finish" : nullptr;
  if (!name) return m_current ? m_current->Command(id, error) : DialogModel::Command(id, error);
  ButtonBit const bit = id == kBack ? kBackBit : id == kNext ? kNextBit : kFinishBit;
  if (!IsButtonEnabled(bit)) {
    error = std::string("the ") + name + " button is " + (IsButtonShown(bit) ? "disabled" : "hidden");
    return false;
  }
  if (id == kBack) Back();
  if (id == kNext) Next();
  if (id == kFinish) Finish();
  return true;
}

bool NewSessionWizard::SetControl(int id, std::string const& value, std::string& error) {
  if (!m_current) return DialogModel::SetControl(id, value, error);
  if (!m_current->SetControl(id, value, error)) return false;
  if (m_current == m_finishPage.get() && id == kName) m_nameTyped = true;
  UpdateButtons();
  return true;
}
