#include "dialogs/ConnectDialog.h"

#include <algorithm>
#include <array>

#include "database/GlobalConfig.h"
#include "database/GlobalConfigInstance.h"
#include "dialogs/SessionSearch.h"
#include "library/LibraryState.h"
#include "library/ProductInfo.h"
#include "platform/registry/NameFolding.h"
#include "session/ISessionConfig.h"

namespace {

struct Accelerator {
  char const* keys;
  int id;
};

// The dialog's accelerators, and the keys the tree handles itself.
constexpr std::array<Accelerator, 18> kKeys{{
    {"Alt+A", ConnectDialog::kUserArranged},   {"Ctrl+C", ConnectDialog::kMenuCopy},
    {"Alt+D", ConnectDialog::kMenuDelete},     {"Alt+E", ConnectDialog::kMenuCreateShortcut},
    {"Alt+F", ConnectDialog::kMenuNewFolder},
    {"Alt+M", ConnectDialog::kRename},
    {"Alt+N", ConnectDialog::kMenuNewSession}, {"Alt+Q", ConnectDialog::kMenuQuickConnect},
    {"Alt+R", ConnectDialog::kMenuProperties}, {"Alt+T", ConnectDialog::kConnectTerminal},
    {"Ctrl+V", ConnectDialog::kMenuPaste},     {"F2", ConnectDialog::kRename},
    {"Alt+Enter", ConnectDialog::kProperties}, {"Ctrl+X", ConnectDialog::kMenuCut},
    {"Alt+X", ConnectDialog::kConnectTransfer}, {"Delete", ConnectDialog::kMenuDelete},
    {"Enter", IDOK},                           {"Escape", IDCANCEL},
}};

bool Same(std::string const& a, std::string const& b) { return FoldName(a) == FoldName(b); }

}  // namespace

ConnectDialog::ConnectDialog(std::string title, bool systemMenu, bool noTab)
    : m_title(std::move(title)), m_systemMenu(systemMenu), m_noTab(noTab) {}

std::unique_ptr<ConnectDialog> ConnectDialog::Browser(std::string title, std::string const& path) {
  auto dialog = std::make_unique<ConnectDialog>(std::move(title), false, true);
  dialog->m_browse = true;
  dialog->m_browsePath = path;
  return dialog;
}

ConnectDialog::~ConnectDialog() { SetCurrent(nullptr); }

bool ConnectDialog::IsTerminalHost() const { return GetApplicationName().Str().find("Korvo") != std::string::npos; }

ConnectTreeFilter ConnectDialog::ProductFilter() const {
  return ConnectTreeFilter{IsTerminalHost(), m_config->showTransferOnlySessions, m_config->showTerminalOnlySessions};
}

void ConnectDialog::Open() {
  DialogModel::Open();
  GetGlobalConfig(m_config);
  if (!m_config) return EndDialog(IDCANCEL);
  m_sortAlphabetically = m_config->sortAlphabetical != 0;
  m_showDescriptions = m_config->showDetailsOnConnectDialog;
  m_filtered.reset();
  m_search.reset();
  m_filterText.clear();
  m_editing = nullptr;
  m_drag.End();
  m_placement.reset();
  m_pasteEnabled = false;
  m_cutPath.clear();
  m_resultName.clear();
  m_resultPath.clear();
  m_tree = std::make_unique<ConnectTree>(m_sortAlphabetically, ProductFilter());
  m_tree->Fill();
  m_tree->Expand(m_tree->Root());
  std::string const path = m_browse ? m_browsePath : m_config->connectExpandPath.Str();
  m_selected = m_tree->Reveal(path);
  if (!m_browse && m_config->isExpanded && m_selected->IsFolder()) m_tree->Expand(*m_selected);
}

std::string ConnectDialog::SelectedPath() const { return m_selected ? m_selected->Path() : std::string(); }

bool ConnectDialog::IsCut(ConnectTreeItem const& item) const {
  return !m_cutPath.empty() && item.stored && Same(item.Path(), m_cutPath);
}

ConnectTreeItem* ConnectDialog::Shown(std::string const& path, std::string& error) {
  if (!m_tree) {
    error = "the dialog is not open";
    return nullptr;
  }
  ConnectTreeItem* item = Tree().Find(path);
  std::vector<ConnectTreeItem*> const visible = Tree().Visible();
  if (item && std::find(visible.begin(), visible.end(), item) != visible.end()) return item;
  error = "no item \"" + path + "\" is shown in the tree";
  return nullptr;
}

bool ConnectDialog::Select(std::string const& path, std::string& error) {
  ConnectTreeItem* item = Shown(path, error);
  if (item) SelectItem(item);
  return item != nullptr;
}

bool ConnectDialog::Expand(std::string const& path, std::string& error) {
  ConnectTreeItem* item = Shown(path, error);
  if (item && !item->IsFolder()) error = "\"" + path + "\" is a session";
  if (!item || !item->IsFolder()) return false;
  Tree().Expand(*item);
  return true;
}

bool ConnectDialog::Collapse(std::string const& path, std::string& error) {
  ConnectTreeItem* item = Shown(path, error);
  if (item && !item->IsFolder()) error = "\"" + path + "\" is a session";
  if (!item || !item->IsFolder()) return false;
  Tree().Collapse(*item);
  // A selection inside the closed folder moves up to it, as in any tree.
  for (ConnectTreeItem* above = m_selected; above; above = above->Parent())
    if (above == item) SelectItem(item);
  return true;
}

bool ConnectDialog::DoubleClick(std::string const& path, std::string& error) {
  ConnectTreeItem* item = Shown(path, error);
  if (!item) return false;
  SelectItem(item);
  if (item->IsFolder()) {
    item->expanded ? Tree().Collapse(*item) : Tree().Expand(*item);
  } else if (m_browse) {
    OnOK();
  } else {
    Connect();
  }
  return true;
}

std::vector<int> ConnectDialog::CommandIds() const {
  std::vector<int> ids;
  if (!m_browse) ids = {kConnect, kQuickConnect};
  for (int id : {kNewSession, kCut, kCopy, kPaste, kDelete, kProperties, kNewFolder, kCreateShortcut, kHelp})
    ids.push_back(id);
  if (!m_browse) ids.insert(ids.end(), {kConnectButton, kMenuQuickConnect});
  for (int id : {kMenuNewSession, kMenuCut, kMenuCopy, kMenuPaste, kMenuDelete, kMenuProperties, kMenuNewFolder,
                 kMenuCreateShortcut, kRename, kUserArranged, kShowDescriptions})
    ids.push_back(id);
  if (!m_browse) ids.insert(ids.end(), {kConnectTerminal, kConnectTransfer, kConnectBoth, kImport});
  if (IsIntegrated() && !m_systemMenu) ids.push_back(IsTerminalHost() ? kShowTransferSessions : kShowTerminalSessions);
  return ids;
}

bool ConnectDialog::IsEnabled(int id) {
  std::vector<int> const ids = CommandIds();
  if (std::find(ids.begin(), ids.end(), id) == ids.end()) return false;
  bool const item = m_selected && !m_selected->IsRoot();
  bool const session = m_selected && !m_selected->IsFolder();
  switch (id) {
    case kCut: case kMenuCut: case kCopy: case kMenuCopy: case kDelete: case kMenuDelete: case kRename:
      return item;
    case kPaste: case kMenuPaste: return m_pasteEnabled && m_selected;
    case kProperties: case kMenuProperties: case kCreateShortcut: case kMenuCreateShortcut: return session;
    case kConnectTerminal: return session && CanConnect(true);
    case kConnectTransfer: return session && CanConnect(false);
    case kConnectBoth: return session && CanConnect(true) && CanConnect(false);
    default: return true;
  }
}

std::optional<bool> ConnectDialog::IsChecked(int id) const {
  if (!m_config) return std::nullopt;
  switch (id) {
    case kUserArranged: return !m_sortAlphabetically;
    case kShowDescriptions: return m_showDescriptions;
    case kShowTransferSessions: return static_cast<bool>(m_config->showTransferOnlySessions);
    case kShowTerminalSessions: return static_cast<bool>(m_config->showTerminalOnlySessions);
    case kShowOnStartup: return m_config->showConnectDialog != 0;
    case kOpenInTab: return static_cast<bool>(m_config->openSessionsInTab);
    default: return std::nullopt;
  }
}

std::optional<bool> ConnectDialog::ControlChecked(int id) const {
  if (!m_config) return std::nullopt;
  if (id == kShowOnStartup && !m_browse) return m_config->showConnectDialog != 0;
  if (id == kOpenInTab && !m_noTab) return static_cast<bool>(m_config->openSessionsInTab);
  return std::nullopt;
}

bool ConnectDialog::Runs(int id, std::string& error) {
  if (!m_tree) {
    error = "the dialog is not open";
    return false;
  }
  if (id == IDOK || id == IDCANCEL) return true;
  std::vector<int> const ids = CommandIds();
  if (std::find(ids.begin(), ids.end(), id) == ids.end()) {
    error = "the dialog has no command " + std::to_string(id);
    return false;
  }
  if (m_editing && id != kDelete && id != kMenuDelete) {
    error = "a label is being edited: end or cancel the edit first";
    return false;
  }
  if (!IsEnabled(id)) error = "command " + std::to_string(id) + " is disabled";
  return error.empty();
}

bool ConnectDialog::Command(int id, std::string& error) {
  if (!Runs(id, error)) return false;
  switch (id) {
    case IDOK: case kConnectButton: OnOK(); break;
    case IDCANCEL: OnCancel(); break;
    case kConnect: Connect(); break;
    case kQuickConnect: case kMenuQuickConnect: QuickConnect(); break;
    case kNewSession: case kMenuNewSession: NewSession(); break;
    case kCut: case kMenuCut: PutOnClipboard(true); break;
    case kCopy: case kMenuCopy: PutOnClipboard(false); break;
    case kPaste: case kMenuPaste: Paste(); break;
    case kDelete: case kMenuDelete: Delete(); break;
    case kProperties: case kMenuProperties: Properties(); break;
    case kNewFolder: case kMenuNewFolder: NewFolder(); break;
    case kCreateShortcut: case kMenuCreateShortcut: CreateShortcut(); break;
    case kHelp: CallHelp(nullptr, 11, 0); break;
    case kRename: BeginLabelEdit(); break;
    case kUserArranged: ToggleUserArranged(); break;
    case kShowDescriptions:
      m_showDescriptions = !m_showDescriptions;
      m_config->showDetailsOnConnectDialog = m_showDescriptions;
      break;
    case kConnectTerminal: case kConnectTransfer: case kConnectBoth: ConnectWith(id); break;
    case kShowTransferSessions: case kShowTerminalSessions: ToggleProductFilter(id); break;
    case kImport: Import(); break;
  }
  return true;
}

bool ConnectDialog::SetControl(int id, std::string const& value, std::string& error) {
  if (!m_config) return DialogModel::SetControl(id, value, error);
  if ((id != kShowOnStartup || m_browse) && (id != kOpenInTab || m_noTab)) return DialogModel::SetControl(id, value, error);
  if (value != "0" && value != "1") {
    error = "check box " + std::to_string(id) + " takes 1 or 0, not \"" + value + "\"";
    return false;
  }
  bool const checked = value == "1";
  if (id == kOpenInTab) {
    m_config->openSessionsInTab = checked;
    return true;
  }
  m_config->showConnectDialog = checked ? 1 : 0;
  if (checked) m_config->showQuickConnectDialog = 0;
  return true;
}

bool ConnectDialog::Key(std::string const& keys, std::string& error) {
  if (!Runs(IDOK, error)) return false;
  for (Accelerator const& key : kKeys) {
    if (keys != key.keys) continue;
    if (key.id == IDOK && m_filtered) {
      if (m_matches.empty()) return true;
      SelectItem(Tree().Find(m_search->Path(m_matches.front())));
      Connect();
      return true;
    }
    if (key.id == IDCANCEL && m_filtered) {
      SetFilter("");
      return true;
    }
    return Command(key.id, error);
  }
  error = "the dialog has no key \"" + keys + "\"";
  return false;
}

void ConnectDialog::SetFilter(std::string const& text) {
  if (!m_tree) return;
  if (text.empty()) {
    if (!m_filtered) return;
    m_filtered.reset();
    m_filterText.clear();
    if (m_changedWhileFiltering) m_tree->Refill();
    m_changedWhileFiltering = false;
    m_selected = m_tree->Reveal(m_pathBeforeFilter);
    return;
  }
  if (!m_filtered) m_pathBeforeFilter = SelectedPath();
  m_filterText = text;
  ApplyFilter();
}

void ConnectDialog::ApplyFilter() {
  std::string const text = FoldName(m_filterText);
  m_selected = nullptr;
  if (Narrows(text)) {
    std::vector<size_t> matches = m_search->Find(text, &m_matches);
    // Both lists ascend: each earlier match stays exactly when it is met again.
    std::vector<bool> keep(m_matches.size());
    for (size_t i = 0, j = 0; i < m_matches.size() && j < matches.size(); ++i) {
      if (m_matches[i] != matches[j]) continue;
      keep[i] = true;
      ++j;
    }
    m_filtered->Narrow(keep);
    m_matches = std::move(matches);
  } else {
    if (!m_search) m_search = std::make_unique<SessionSearch>(m_sortAlphabetically, ProductFilter());
    m_matches = m_search->Find(text);
    std::vector<std::string> paths;
    paths.reserve(m_matches.size());
    for (size_t session : m_matches) paths.push_back(m_search->Path(session));
    m_filtered = std::make_unique<ConnectTree>(m_sortAlphabetically, ProductFilter());
    m_filtered->FillWith(paths);
  }
  m_matchedText = text;
  m_selected = m_matches.empty() ? &m_filtered->Root() : m_filtered->Find(m_search->Path(m_matches.front()));
}

bool ConnectDialog::Narrows(std::string const& text) const {
  return m_search && m_filtered && !m_editing && text.find(m_matchedText) != std::string::npos;
}

void ConnectDialog::Changed(std::vector<ConnectTreeItem*> const& folders, std::string const& path) {
  if (m_filtered) {
    m_changedWhileFiltering = true;
    m_search.reset();
    ApplyFilter();
    if (ConnectTreeItem* item = m_filtered->Find(path)) m_selected = item;
    return;
  }
  for (ConnectTreeItem* folder : folders) m_tree->Refresh(*folder);
  m_selected = m_tree->Reveal(path);
}

void ConnectDialog::Refill() {
  std::string const path = m_filtered ? m_pathBeforeFilter : SelectedPath();
  m_filtered.reset();
  m_search.reset();
  m_filterText.clear();
  m_changedWhileFiltering = false;
  m_tree->Configure(m_sortAlphabetically, ProductFilter());
  m_tree->Refill();
  m_selected = m_tree->Reveal(path);
}

void ConnectDialog::ToggleUserArranged() {
  SaveTreeState();
  m_sortAlphabetically = !m_sortAlphabetically;
  m_config->sortAlphabetical = m_sortAlphabetically ? 1 : 0;
  m_pasteEnabled = false;
  Refill();
}

void ConnectDialog::ToggleProductFilter(int id) {
  auto& option = id == kShowTransferSessions ? m_config->showTransferOnlySessions : m_config->showTerminalOnlySessions;
  option = !option;
  Refill();
}

void ConnectDialog::SaveTreeState() {
  if (m_browse || !m_config) return;
  std::string const path = SelectedPath();
  ConnectTreeItem* item = m_selected;
  m_config->connectExpandPath = path.c_str();
  m_config->isExpanded = item && item->IsFolder() && item->expanded ? 1 : 0;
  if (m_config->autoSaveOptions) SaveGlobalConfig();
}

void ConnectDialog::Close(int code) {
  if (m_editing) {
    std::string ignored;
    CancelLabelEdit(ignored);
  }
  m_drag.End();
  SaveTreeState();
  // Written with the next save of the global configuration.
  if (m_placement && m_config) m_config->connectDialogSize = *m_placement;
  EndDialog(code);
}

void ConnectDialog::OnCancel() { Close(IDCANCEL); }

void ConnectDialog::OnOK() {
  if (!m_browse) return Connect();
  if (!m_selected || !m_selected->stored) return;
  m_resultName = m_selected->Label();
  m_resultPath = m_selected->Path();
  Close(IDOK);
}
