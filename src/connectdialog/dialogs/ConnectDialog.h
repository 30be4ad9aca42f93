// The Connect dialog: the session browser of every host. It shows the session database as a
// tree under "Sessions"; from it the user connects (here or by launching the sibling host),
// creates, edits, renames, cuts, copies, pastes and deletes sessions and folders, switches
// between alphabetical and user-arranged order and filters the tree by a typed text. In browse
// mode it picks a folder or a session and returns its path.
//
// Every action is a command of this model; a presenter draws VisibleItems() and the enabled
// and checked states and forwards the user's clicks and keys. Message boxes and the host-name
// prompt go through UserInterface, the clipboard record through Clipboard. The store is
// changed only by the session database, and the tree only after the store took the change.
// The options it flips are those of the process's global configuration, which must be loaded.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/ConnectTree.h"
#include "dialogs/ConnectTreeDrag.h"
#include "platform/types/WindowPlacement.h"
#include "platform/ui/DialogModel.h"

class GlobalConfig;
class ISessionConfig;
class SessionSearch;
struct FolderTreeRecord;

class ConnectDialog : public DialogModel {
 public:
  enum CommandId {
    kConnect = 2000, kQuickConnect = 2001, kProperties = 2002, kCut = 2003, kCopy = 2004, kPaste = 2005,
    kDelete = 2006, kNewFolder = 2007, kNewSession = 2008, kCreateShortcut = 2009, kHelp = 2010,
    kConnectButton = 1044, kCloseButton = 2, kMenuCreateShortcut = 2109, kMenuQuickConnect = 32924, kMenuNewSession = 2101, kMenuProperties = 2102,
    kMenuCut = 2103, kMenuCopy = 2104, kMenuPaste = 2105, kMenuDelete = 2106, kMenuNewFolder = 2107,
    kUserArranged = 2111, kRename = 32922, kShowDescriptions = 32771, kConnectTerminal = 32772,
    kConnectTransfer = 32773, kConnectBoth = 32774, kShowTransferSessions = 32775, kShowTerminalSessions = 32776,
    // Brings sessions in from another tool's files, into the selected folder.
    kImport = 2120,
  };
  enum Control { kShowOnStartup = 1339, kOpenInTab = 4002 };
  enum Icon { kFolderClosedIcon = 142, kFolderOpenIcon = 143, kSessionIcon = 216 };
  // A separator among the toolbar buttons.
  static constexpr int kSeparator = 0;
  // The bytes a tree tooltip holds with its NUL; a longer description is cut to end in "...".
  static constexpr size_t kTooltipBytes = 1024;
  // A toolbar tooltip holds at most this many characters.
  static constexpr size_t kToolbarTooltipChars = 79;

  struct MenuEntry {
    int id;
    std::string label;
    bool enabled;
    bool checked;
  };
  // Sizes in dialog units.
  struct Size {
    int width;
    int height;
  };

  ConnectDialog(std::string title, bool systemMenu, bool noTab);
  // Browse mode: picks a folder or a session, starting at `path`.
  static std::unique_ptr<ConnectDialog> Browser(std::string title, std::string const& path);
  ~ConnectDialog() override;

  void Open() override;
  // Enter: the default button (Connect; OK in browse mode).
  void OnOK() override;
  // Close: saves the tree state and ends with IDCANCEL.
  void OnCancel() override;
  // Toolbar buttons and menu entries by id. False, with `error`, for an id the dialog does not
  // show or one that is disabled now.
  bool Command(int id, std::string& error) override;
  // The two check boxes below the tree, "1" or "0".
  bool SetControl(int id, std::string const& value, std::string& error) override;

  // Tree actions by session path ("" is the root). False, with `error`, when no such item is shown.
  bool Select(std::string const& path, std::string& error);
  bool Expand(std::string const& path, std::string& error);
  bool Collapse(std::string const& path, std::string& error);
  bool DoubleClick(std::string const& path, std::string& error);
  // Ends the label edit with the typed text (the renaming rules may reopen it) or cancels it.
  bool EndLabelEdit(std::string const& text, std::string& error);
  bool CancelLabelEdit(std::string& error);
  // A key of the tree or an accelerator: "Enter", "Escape", "Delete", "F2", "Ctrl+C", "Alt+N" ...
  bool Key(std::string const& keys, std::string& error);
  // Shows only the sessions whose name, folder path or host name holds `text`; an empty text
  // brings back the tree and the selection as they were before filtering.
  void SetFilter(std::string const& text);

  // Dragging. The front end names the item under the pointer, its zone (ConnectTreeDrag::ZoneAt)
  // and the modifier keys held; the model answers the effect, shows the drop target, opens the
  // folder the pointer rests on and performs the drop by the paste rules.
  // Starts dragging a shown item (not the root); false, with `error`, when it cannot be dragged.
  bool BeginDrag(std::string const& path, std::string& error);
  // A drag that entered from another dialog or process with its "FolderTree" record.
  bool DragEnter(std::vector<unsigned char> const& record, std::string& error);
  // The effect a drop would have here; None where the item is not shown, the keys refuse, or a
  // folder would land inside itself. False, with `error`, for keys it does not know.
  bool DragOver(std::string const& path, ConnectTreeDrag::Zone zone, std::string const& keys,
                ConnectTreeDrag::Effect& effect, std::string& error);
  // The front end's timer while the pointer rests: opens the folder under it once its wait is over.
  void DragTick();
  // Drops here and ends the drag; a refused effect changes nothing.
  bool Drop(std::string const& path, ConnectTreeDrag::Zone zone, std::string const& keys, std::string& error);
  // The pointer left the tree or the user pressed Escape.
  void DragLeave() { m_drag.End(); }
  ConnectTreeDrag const& Drag() const { return m_drag; }

  // The text shown while the pointer rests on `path`: a session's description while
  // descriptions are on and no label edit or drag is in progress; empty otherwise.
  std::string Tooltip(std::string const& path);
  // `text` cut to fit a buffer of `bytes` with its NUL, ending in "..." when cut, never
  // inside a UTF-8 character.
  static std::string FitTooltip(std::string const& text, size_t bytes);

  // What the front end draws: the caption, the toolbar (ids in order, kSeparator between
  // groups), labels, status prompts and tooltips of commands and controls, the icons.
  std::string const& Title() const { return m_title; }
  std::vector<int> ToolbarButtons() const;
  bool FlatToolbar() const;
  bool HasSystemMenu() const { return m_systemMenu; }
  bool IsControlShown(int id) const;
  std::string Label(int id) const;
  std::string Prompt(int id) const;
  std::string ToolbarTooltip(int id) const;
  int IconOf(ConnectTreeItem const& item) const;
  // The context menu of the selected item: "PopupSession" or "PopupFolder", and its entries
  // (kSeparator between groups) with their enabled and checked states.
  std::string ContextMenuName() const;
  std::vector<MenuEntry> ContextMenu();

  // The window's size: the normal rectangle of "Connect Dialog Size" in pixels, or, when
  // either side is zero, 250 by 215 dialog units (`inDialogUnits` set).
  Size InitialSize(bool& inDialogUnits) const;
  // The smallest size the window takes, for bottom controls `bottomControlsWidth` wide.
  static Size MinimumSize(int bottomControlsWidth);
  // The window's placement as it is now; stored into "Connect Dialog Size" on closing.
  void SetPlacement(WINDOWPLACEMENT const& placement) { m_placement = placement; }

  std::vector<ConnectTreeItem*> VisibleItems() { return Tree().Visible(); }
  ConnectTreeItem* Selected() const { return m_selected; }
  std::string SelectedPath() const;
  bool IsCut(ConnectTreeItem const& item) const;
  bool IsEditingLabel() const { return m_editing != nullptr; }
  bool IsFiltering() const { return m_filtered != nullptr; }
  bool IsBrowseMode() const { return m_browse; }
  // The toolbar buttons and menu entries the dialog shows now, in order.
  std::vector<int> CommandIds() const;
  bool IsEnabled(int id);
  // Checked menu entries (user-arranged order, descriptions, the product filters) and check boxes.
  std::optional<bool> IsChecked(int id) const;
  // The check boxes below the tree: their state, or none when the dialog hides the box.
  std::optional<bool> ControlChecked(int id) const;
  // The clipboard's content changed, perhaps from another process: Paste is enabled while it
  // holds a "FolderTree" record.
  void ClipboardChanged();

  // Set when the dialog ended with OK: the chosen item's label and path.
  std::string const& ResultName() const { return m_resultName; }
  std::string const& ResultPath() const { return m_resultPath; }
  // The chosen session with one added reference for the caller; null unless ended with OK
  // outside browse mode.
  ISessionConfig* TakeSession();

 private:
  enum class Edit { Done, Reopen };

  ConnectTree& Tree() { return m_filtered ? *m_filtered : *m_tree; }
  ConnectTreeItem* Shown(std::string const& path, std::string& error);
  bool IsTerminalHost() const;
  bool Runs(int id, std::string& error);
  void SelectItem(ConnectTreeItem* item) { m_selected = item; }
  void Close(int code);
  void SaveTreeState();
  void Refill();
  // Shows the sessions that match the filter text, the first one selected.
  void ApplyFilter();
  // Whether the filtered tree shows what FillWith made of the matches of a text that the
  // folded `text` holds, so that dropping what no longer matches gives the new tree.
  bool Narrows(std::string const& text) const;
  // After the store took a change: shows it and selects `path` (or what is left of it).
  void Changed(std::vector<ConnectTreeItem*> const& folders, std::string const& path);

  // Connecting.
  bool Prepare(ConnectTreeItem& item);
  void SetCurrent(ISessionConfig* session);
  void Connect();
  void ConnectWith(int id);
  void Choose(ConnectTreeItem& item);
  void Launch(bool terminal, std::string const& path);
  bool CanConnect(bool terminal);
  void QuickConnect();

  // Creating and editing.
  void NewSession();
  void Properties();
  void NewFolder();
  void BeginLabelEdit();
  Edit FinishNewFolder(std::string const& text);
  Edit Rename(ConnectTreeItem& item, std::string const& text);
  // The first problem of a typed name as its message; empty when none.
  static std::string NameProblem(std::string const& name);
  void Delete();
  void RemoveItem(ConnectTreeItem& item);

  // The clipboard.
  void PutOnClipboard(bool cut);
  void Paste();
  // A cut record is used up: the mark goes and Paste is disabled.
  void ForgetCut();
  bool PasteAllowed(std::string const& source, bool move, bool sourceIsFolder, std::string const& target);
  // Whether the record's source still exists; tells the user when not.
  bool SourceAvailable(FolderTreeRecord const& record);
  void SetPastePosition(bool sourceIsFolder, ConnectTreeItem& onto);

  // The drop and the paste: the copy rules, then the copy, move or reorder in the store.
  // False when a rule refused. `position` sets the insert position once the source's kind is known.
  bool Place(FolderTreeRecord const& record, bool move, ConnectTreeItem& targetFolder,
             std::function<void(bool sourceIsFolder)> const& position);
  ConnectTreeItem* DropFolder(ConnectTreeItem& item, ConnectTreeDrag::Zone zone);
  ConnectTreeDrag::Effect DropEffect(ConnectTreeItem* item, ConnectTreeDrag::Zone zone, ConnectTreeDrag::Effect keys);
  void SetDropPosition(bool sourceIsFolder, ConnectTreeItem& item, ConnectTreeDrag::Zone zone);
  ConnectTreeDrag::Zone EffectiveZone(ConnectTreeItem const& item, ConnectTreeDrag::Zone zone) const;

  // Asks for a label and writes a desktop shortcut that starts this host on the selected session.
  void CreateShortcut();

  // Importing: asks for the file, reads it in its format and stores what it holds below the
  // selected folder in one unit of work, then reports the counts.
  void Import();

  // The toggles.
  void ToggleUserArranged();
  void ToggleProductFilter(int id);
  ConnectTreeFilter ProductFilter() const;

  std::string m_title;
  bool m_systemMenu;
  bool m_noTab;
  bool m_browse = false;
  std::string m_browsePath;
  GlobalConfig* m_config = nullptr;
  bool m_sortAlphabetically = false;
  bool m_showDescriptions = false;

  std::unique_ptr<ConnectTree> m_tree;
  std::unique_ptr<ConnectTree> m_filtered;
  std::unique_ptr<SessionSearch> m_search;
  std::string m_filterText;
  // The folded text the filtered tree was made for, and its matches.
  std::string m_matchedText;
  std::vector<size_t> m_matches;
  std::string m_pathBeforeFilter;
  bool m_changedWhileFiltering = false;

  ConnectTreeItem* m_selected = nullptr;
  ConnectTreeItem* m_editing = nullptr;
  bool m_newFolder = false;
  bool m_pasteEnabled = false;
  std::string m_cutPath;
  std::string m_insertPosition;
  bool m_insertAfter = true;

  ConnectTreeDrag m_drag;
  std::optional<WINDOWPLACEMENT> m_placement;

  ISessionConfig* m_current = nullptr;
  std::string m_resultName;
  std::string m_resultPath;
};
