// How the Connect dialog window names its commands: the toolbar in its order with each
// button's tooltip, the two context menus with their entries' texts, and the accelerators the
// window passes to the dialog as key names.
#pragma once

#include <array>

#include "dialogs/ConnectDialog.h"

namespace ConnectDialogCommandTexts {

// The desktop-shortcut command; the dialog shows it once it offers one.
inline constexpr int kCreateShortcut = 2009;
inline constexpr int kMenuCreateShortcut = 2109;
inline constexpr int kSeparator = 0;
// Toolbar tooltips are cut to this many characters.
inline constexpr int kTooltipLength = 79;

struct Text {
  int id;
  char const* text;
};

inline constexpr std::array<Text, 17> kToolbar{{
    {ConnectDialog::kConnect, "Connect"},     {ConnectDialog::kQuickConnect, "Quick Connect"},
    {kSeparator, nullptr},                    {ConnectDialog::kNewSession, "New Session"},
    {kSeparator, nullptr},                    {ConnectDialog::kCut, "Cut"},
    {ConnectDialog::kCopy, "Copy"},           {ConnectDialog::kPaste, "Paste"},
    {kSeparator, nullptr},                    {ConnectDialog::kDelete, "Delete"},
    {ConnectDialog::kProperties, "Properties"}, {kSeparator, nullptr},
    {ConnectDialog::kNewFolder, "New Folder"}, {kSeparator, nullptr},
    {kCreateShortcut, "Create Shortcut"},     {kSeparator, nullptr},
    {ConnectDialog::kHelp, "Help"},
}};

// The session's menu; the folder's is the same without the entries that need a session.
inline constexpr std::array<Text, 23> kMenu{{
    {ConnectDialog::kConnectTerminal, "Connect T&erminal\tAlt+T"},
    {ConnectDialog::kConnectTransfer, "Connect &File Transfer\tAlt+X"},
    {ConnectDialog::kConnectBoth, "Connect &Both"},
    {kSeparator, nullptr},
    {ConnectDialog::kMenuQuickConnect, "&Quick Connect\tAlt+Q"},
    {ConnectDialog::kMenuNewSession, "&New Session\tAlt+N"},
    {kSeparator, nullptr},
    {ConnectDialog::kMenuCut, "Cu&t\tCtrl+X"},
    {ConnectDialog::kMenuCopy, "&Copy\tCtrl+C"},
    {ConnectDialog::kMenuPaste, "&Paste\tCtrl+V"},
    {kSeparator, nullptr},
    {ConnectDialog::kMenuDelete, "&Delete\tDel"},
    {ConnectDialog::kRename, "Rena&me\tAlt+M"},
    {ConnectDialog::kMenuProperties, "P&roperties\tAlt+Enter"},
    {kSeparator, nullptr},
    {ConnectDialog::kMenuNewFolder, "New &Folder\tAlt+F"},
    {kMenuCreateShortcut, "Cr&eate Desktop Shortcut\tAlt+E"},
    {ConnectDialog::kImport, "&Import Sessions..."},
    {kSeparator, nullptr},
    {ConnectDialog::kUserArranged, "User &Arranged Tree\tAlt+A"},
    {ConnectDialog::kShowDescriptions, "Sho&w Descriptions"},
    {ConnectDialog::kShowTransferSessions, "&Show Transfer Sessions"},
    {ConnectDialog::kShowTerminalSessions, "&Show Terminal Sessions"},
}};

// The entries a folder's menu leaves out.
inline constexpr std::array<int, 5> kSessionOnly{ConnectDialog::kConnectTerminal, ConnectDialog::kConnectTransfer,
                                                 ConnectDialog::kConnectBoth, ConnectDialog::kMenuProperties,
                                                 kMenuCreateShortcut};

// The window's accelerators: the key as Qt reads it and the name the dialog knows it by.
struct Key {
  char const* sequence;
  char const* name;
};

inline constexpr std::array<Key, 17> kKeys{{
    {"Alt+A", "Alt+A"},   {"Ctrl+C", "Ctrl+C"},   {"Alt+D", "Alt+D"},         {"Alt+E", "Alt+E"},
    {"Alt+F", "Alt+F"},   {"Alt+M", "Alt+M"},     {"Alt+N", "Alt+N"},         {"Alt+Q", "Alt+Q"},
    {"Alt+R", "Alt+R"},   {"Alt+T", "Alt+T"},     {"Ctrl+V", "Ctrl+V"},       {"F2", "F2"},
    {"Alt+Return", "Alt+Enter"}, {"Alt+Enter", "Alt+Enter"}, {"Ctrl+X", "Ctrl+X"}, {"Alt+X", "Alt+X"},
    {"Del", "Delete"},
}};

}  // namespace ConnectDialogCommandTexts
