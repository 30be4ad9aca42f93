// The Connect dialog's own texts, as the user reads them.
#pragma once

namespace ConnectDialogTexts {

inline constexpr char kHostnameCaption[] = "Enter Hostname";
inline constexpr char kHostnamePrompt[] = "Please enter a hostname:";
inline constexpr char kNewSession[] = "New";
inline constexpr char kNewFolder[] = "New Folder";
inline constexpr char kNumberedName[] = "%s (%d)";
inline constexpr char kConnectionPage[] = "Connection+";
inline constexpr char kLaunchParameters[] = "%1 /S \"%2\"";

inline constexpr char kImportTitle[] = "Import Sessions";
inline constexpr char kImportFilter[] =
    "OpenSSH configuration (config, *.conf)|config;*.conf|Remmina connections (*.remmina)|*.remmina|"
    "Saved sessions (~/.putty/sessions/*)|*|All Files (*.*)|*.*||";
inline constexpr char kImportCaption[] = "Import";
// Followed by the reason.
inline constexpr char kImportNotRead[] = "ERROR: The sessions could not be read.\n\n";
inline constexpr char kImportNotStored[] = "ERROR: The session database could not store the imported sessions.";
// Followed by the counts of made, skipped and refused entries.
inline constexpr char kImportMade[] = "Made ";
inline constexpr char kImportSkipped[] = " sessions, skipped ";
inline constexpr char kImportRefused[] = ", refused ";

inline constexpr char kNameEmpty[] = "Rename error.\n\nName must be non-empty.";
inline constexpr char kNameForbidden[] = "Rename error.\n\nName cannot contain: ' %c '";
inline constexpr char kNameExists[] = "Session or folder '%s' already exists";
// When the store refused a rename or a new folder that every rule allowed.
inline constexpr char kNameNotStored[] = "Rename error.\n\nThe name could not be stored.";

inline constexpr char kDeleteFolder[] = "Are you sure you want to delete this folder and all of its contents?";
inline constexpr char kDeleteSession[] = "Are you sure you want to delete this session?";
inline constexpr char kDeleteFailed[] = "ERROR: Deletion of folder or session from the database failed";

inline constexpr char kClipboardFailed[] = "ERROR: Unable to copy item to clipboard";
inline constexpr char kNoLongerAvailable[] = "Item '%s' is no longer available for pasting";
inline constexpr char kCopyIntoItself[] = "Cannot copy a folder into itself";
inline constexpr char kParentIntoChild[] = "Cannot copy or move a parent folder into a child";
inline constexpr char kExistsInTarget[] = "%s already exists in the target folder";
inline constexpr char kNotAddedToTree[] = "ERROR: Could not add a new session to the tree.";
// When the store refused a paste or a new session that every rule allowed.
inline constexpr char kNotStored[] = "ERROR: The session database could not store the change.";

// The two buttons below the tree in browse mode.
inline constexpr char kBrowseOk[] = "OK";
inline constexpr char kBrowseCancel[] = "Cancel";

inline constexpr char kShortcutFailed[] = "ERROR: creation of shortcut failed";

}  // namespace ConnectDialogTexts
