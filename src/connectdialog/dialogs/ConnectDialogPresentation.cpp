// What a front end draws for the Connect dialog: the toolbar, the labels, status prompts and
// tooltips, the context menus with their states, the icons, the descriptions and the size.
#include <algorithm>
#include <iterator>

#include "database/GlobalConfig.h"
#include "dialogs/ConnectDialog.h"
#include "dialogs/ConnectDialogTexts.h"
#include "session/ISessionConfig.h"

namespace {

struct CommandText {
  int id;
  char const* label;
  char const* prompt;
};

constexpr CommandText kTexts[] = {
    {2000, "Connect", ""},
    {2001, "Quick Connect", ""},
    {32924, "&Quick Connect\tAlt+Q", ""},
    {2008, "New Session", "Create a new session.\nNew Session"},
    {2101, "&New Session\tAlt+N", "Create a new session.\nNew Session"},
    {2003, "Cut", "Cut the selected session or folder\nCut"},
    {2103, "Cu&t\tCtrl+X", "Cut the selected session or folder\nCut"},
    {2004, "Copy", "Copy the selected session or folder.\nCopy"},
    {2104, "&Copy\tCtrl+C", "Copy the selected session or folder.\nCopy"},
    {2005, "Paste", "Paste session or folder\nPaste"},
    {2105, "&Paste\tCtrl+V", "Paste session or folder\nPaste"},
    {2006, "Delete", "Delete the selected session or folder.\nDelete"},
    {2106, "&Delete\tDel", "Delete the selected session or folder.\nDelete"},
    {2002, "Properties", "Edit the properties of the selected session.\nProperties"},
    {2102, "P&roperties\tAlt+Enter", "Edit the properties of the selected session.\nProperties"},
    {2007, "New Folder", "Create a new folder.\nNew Folder"},
    {2107, "New &Folder\tAlt+F", "Create a new folder.\nNew Folder"},
    {2009, "Create Shortcut", "Create a shortcut for the selected session.\nCreate Shortcut"},
    {2109, "Cr&eate Desktop Shortcut\tAlt+E", "Create a shortcut for the selected session.\nCreate Shortcut"},
    {2010, "Help", ""},
    {32922, "Rena&me\tAlt+M", ""},
    {2111, "User &Arranged Tree\tAlt+A", "Sort folders and sessions in a user defined order"},
    {3004, "", "Sort folders and sessions alphabetically"},
    {32771, "Sho&w Descriptions", "Display tooltips for session items\nShow Descriptions"},
    {32772, "Connect T&erminal\tAlt+T", "Open the session in HaloKorvo\nConnect Terminal"},
    {32773, "Connect &File Transfer\tAlt+X", "Open the session in HaloFyx\nConnect File Transfer"},
    {32774, "Connect &Both", "Open the session in both HaloKorvo and HaloFyx\nConnect Both"},
    {32775, "&Show Transfer Sessions", "Show transfer only session when running HaloKorvo"},
    {32776, "&Show Terminal Sessions", "Show terminal only session while running HaloFyx"},
    {1044, "&Connect", ""},
    {2, "Close", ""},
    {1339, "&Show dialog on startup", ""},
    {4002, "&Open in a tab", ""},
    {2120, "&Import Sessions...", "Bring in sessions from OpenSSH, Remmina or saved-session files.\nImport Sessions"},
};

CommandText const* Find(int id) {
  auto const found = std::find_if(std::begin(kTexts), std::end(kTexts), [id](CommandText const& t) { return t.id == id; });
  return found == std::end(kTexts) ? nullptr : found;
}

// The longest start of `text` of at most `bytes` bytes that does not split a UTF-8 character.
std::string Start(std::string const& text, size_t bytes) {
  if (text.size() <= bytes) return text;
  while (bytes > 0 && (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80) --bytes;
  return text.substr(0, bytes);
}

constexpr int kS = ConnectDialog::kSeparator;

}  // namespace

std::string ConnectDialog::FitTooltip(std::string const& text, size_t bytes) {
  constexpr std::string_view kEllipsis = "...";
  if (bytes <= kEllipsis.size() || text.size() < bytes) return text.size() < bytes ? text : std::string();
  return Start(text, bytes - 1 - kEllipsis.size()) + std::string(kEllipsis);
}

std::string ConnectDialog::Tooltip(std::string const& path) {
  if (!m_tree || !m_showDescriptions || m_editing || m_drag.IsActive()) return {};
  std::string ignored;
  ConnectTreeItem* item = Shown(path, ignored);
  ISessionConfig* session = item && !item->IsFolder() ? item->Session(m_sortAlphabetically) : nullptr;
  return session ? FitTooltip(session->GetConnectDialogDescription().Str(), kTooltipBytes) : std::string();
}

std::vector<int> ConnectDialog::ToolbarButtons() const {
  std::vector<int> buttons{kConnect,  kQuickConnect, kS,      kNewSession, kS,         kCut,           kCopy, kPaste,
                           kS,        kDelete,       kProperties, kS,      kNewFolder, kS, kCreateShortcut, kS, kHelp};
  // Browse mode has neither Connect nor Quick Connect, nor the separator after them.
  if (m_browse) buttons.erase(buttons.begin(), buttons.begin() + 3);
  return buttons;
}

bool ConnectDialog::FlatToolbar() const { return m_config && m_config->useFlatToolbar != 0; }

bool ConnectDialog::IsControlShown(int id) const {
  if (id == kShowOnStartup) return !m_browse;
  if (id == kOpenInTab) return !m_noTab;
  return id == kConnectButton || id == kCloseButton;
}

std::string ConnectDialog::Label(int id) const {
  if (m_browse && id == kConnectButton) return ConnectDialogTexts::kBrowseOk;
  if (m_browse && id == kCloseButton) return ConnectDialogTexts::kBrowseCancel;
  CommandText const* text = Find(id);
  return text ? text->label : "";
}

std::string ConnectDialog::Prompt(int id) const {
  // The order toggle tells what it would do: sort by the user's order, or alphabetically.
  if (id == kUserArranged && !m_sortAlphabetically) id = 3004;
  CommandText const* text = Find(id);
  return text ? text->prompt : "";
}

std::string ConnectDialog::ToolbarTooltip(int id) const {
  std::vector<int> const buttons = ToolbarButtons();
  if (id == kS || std::find(buttons.begin(), buttons.end(), id) == buttons.end()) return {};
  return Start(Label(id), kToolbarTooltipChars);
}

int ConnectDialog::IconOf(ConnectTreeItem const& item) const {
  if (!item.IsFolder()) return kSessionIcon;
  return item.expanded ? kFolderOpenIcon : kFolderClosedIcon;
}

std::string ConnectDialog::ContextMenuName() const {
  return m_selected && !m_selected->IsFolder() ? "PopupSession" : "PopupFolder";
}

std::vector<ConnectDialog::MenuEntry> ConnectDialog::ContextMenu() {
  bool const session = m_selected && !m_selected->IsFolder();
  std::vector<int> ids;
  if (session) ids = {kConnectTerminal, kConnectTransfer, kConnectBoth, kS};
  ids.insert(ids.end(), {kMenuQuickConnect, kMenuNewSession, kS, kMenuCut, kMenuCopy, kMenuPaste, kS, kMenuDelete, kRename});
  if (session) ids.push_back(kMenuProperties);
  ids.insert(ids.end(), {kS, kMenuNewFolder, kImport});
  if (session) ids.push_back(kMenuCreateShortcut);
  ids.insert(ids.end(), {kS, kUserArranged, kShowDescriptions, kShowTransferSessions, kShowTerminalSessions});
  // Only the entries the dialog has now; no separator at either end or next to another.
  std::vector<int> const shown = CommandIds();
  std::vector<MenuEntry> menu;
  for (int id : ids) {
    bool const separator = id == kS;
    if (separator ? menu.empty() || menu.back().id == kS : std::find(shown.begin(), shown.end(), id) == shown.end())
      continue;
    menu.push_back({id, Label(id), !separator && IsEnabled(id), IsChecked(id).value_or(false)});
  }
  if (!menu.empty() && menu.back().id == kS) menu.pop_back();
  return menu;
}

ConnectDialog::Size ConnectDialog::InitialSize(bool& inDialogUnits) const {
  constexpr Size kDefault{250, 215};
  inDialogUnits = true;
  if (!m_config) return kDefault;
  RECT const& normal = m_config->connectDialogSize.Current().rcNormalPosition;
  Size const stored{normal.right - normal.left, normal.bottom - normal.top};
  if (stored.width <= 0 || stored.height <= 0) return kDefault;
  inDialogUnits = false;
  return stored;
}

ConnectDialog::Size ConnectDialog::MinimumSize(int bottomControlsWidth) {
  constexpr int kMargin = 16;
  return {std::max(225, bottomControlsWidth + kMargin), 125};
}
