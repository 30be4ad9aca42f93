// The application-wide options record shared by the library and its hosts, stored in the key
// "Global" at the root of the profile store. Hosts and dialogs read and write the options as
// fields. Where the terminal and file-transfer hosts keep separate values in one shared store,
// the file-transfer host (an application name without "Korvo") uses the names ending in " HFYX".
//
// Loading clamps "View Left Margin", "MRU Count", "Max Columns" and "Max Com Ports" into range;
// a clamped value is written back at the next save. "Config Path" is not in "Global": it is
// the running product's entry in the user's registry (ProductSettings). Nothing is written
// unless Save is called. One thread (the host's user-interface thread); no locking.
#pragma once

#include <array>

#include "VLogFont.h"
#include "VMarginData.h"
#include "VProfile.h"
#include "VProfile2.h"
#include "VProfileBlob.h"
#include "VProfileExplorerFrameState.h"
#include "VProfileListViewState.h"
#include "VProfileRecord.h"
#include "VProfileTable.h"
#include "platform/types/UserInterfaceCodes.h"
#include "platform/types/WindowPlacement.h"
#include "session/PrinterSerialPort.h"
#include "terminal/ProfileColorSchemeList.h"
#include "transfer/SynchronizeProfile.h"

class GlobalOptionsDialog;

class GlobalConfig : public VProfileRecord {
 public:
  using Number = VProfile<int>;
  using Flag = VProfile<bool>;
  using Text = VProfile2<VString, VProfileSz>;
  using Placement = VProfile2<WINDOWPLACEMENT, VProfileBinary>;
  using ColorTable = std::array<COLORREF, 16>;  // 64 bytes: sixteen 0x00BBGGRR colours
  using Colors = VProfile2<ColorTable, VProfileBinary>;

  // The identifier a store holds when no upgrade is due.
  static constexpr char const* kCurrentVersion = "7B2F2717-85C8-4729-8394-3B7697039CEB";

  // Loads every option from `key` (null: all defaults) and "Config Path" from the registry.
  // The colour schemes always come from the installed store, which keeps them in a key of
  // their own; the synchronisation tasks too, unless `key` is null.
  explicit GlobalConfig(VProfileKey* key);

  VProfileOptionTable const& ProfileTable() const override;
  using VProfileRecord::Save;
  // Moves "Config Path" across the products that shared the old folder, rolls back the options
  // under a set override flag, then writes the explorer-frame states, the synchronisation tasks
  // when they changed, and every changed option into "Global" of a newly opened store, as one
  // unit of work. Failed writes are not reported.
  void Save();

  // The registered message by which hosts announce a change of these options to one another,
  // and the one that asks the system-tray launcher to show its selection. The same in every
  // process of the user, registered on first use; 0 when the per-user registry cannot be
  // written. The library posts neither.
  static unsigned int GetGlobalConfigChangeMessage();
  static unsigned int GetTraymindShowSelectionMessage();

  bool DisableAllScripting() const { return m_disableAllScripting; }
  void DisableAllScripting(bool disable) { m_disableAllScripting = disable; }
  // The open Global Options dialog, which sets itself while it is open; null otherwise.
  GlobalOptionsDialog* GetCurrentGlobalOptionsDialog() const { return m_currentGlobalOptionsDialog; }
  void SetCurrentGlobalOptionsDialog(GlobalOptionsDialog* dialog) { m_currentGlobalOptionsDialog = dialog; }
  bool InstalledFtpSites() const { return m_installedFtpSites; }
  void InstalledFtpSites(bool installed) { m_installedFtpSites = installed; }

  // Set by a host that changed these options for the current run only: Save then writes
  // their last checkpointed values instead.
  bool overrideTransferType = false;
  bool overrideOverwriteAction = false;
  bool overrideLogFile = false;  // "Enable Log File" and "Log File"
  bool overrideRetry = false;    // "Retry Attempts" and "Retry Delay"

  // Connect dialog and main window.
  Number showConnectDialog, showQuickConnectDialog, autoSaveOptions, useFlatToolbar, showToolbar;
  Flag showDetailsOnConnectDialog, showTransferOnlySessions, showTerminalOnlySessions;
  Placement windowPlacement, connectDialogSize;
  Text connectExpandPath, sessionOptionsTreeSelected;
  Number isExpanded, sortAlphabetical, copyOnSelect, pasteOnMiddleButton, hideMousePointerOnKeypress;
  Number showConnectionClosedDialog, showConfirmDisconnectDialog, disableResize, showCursorPositionIndicator;
  Number showWindowSizeIndicator, useSystemCaret, executeEscapeSequence, altSelectsMenu, checkShellTelnetCommand;
  Number useOldIcons;

  // Printing.
  VProfile2<VMarginData, VProfileBinary> pageMargins;
  VProfile2<VLogFont, VProfileBinary> printerFont;
  Number pageOrientation, paperSize, paperSource, ejectPageInterval, disablePassThroughPrinting;
  Number bufferPassThroughPrinting, useRawMode, usePrinterPort;
  Text printerName;
  PrinterSerialPort printerSerialPort;  // the pass-through printer's port, its values named "Printer ..."

  // Terminal window, tabs and behaviour.
  Number connectedColor, disconnectedColor, newInputColor, statusIndicatorWidth, minTabWidth, doubleClickAction;
  Flag showStatusIndicators, confirmCloseMultipleTabs, openSessionsInTab, enableFontSmoothing;
  Number autoReconnect, autoReconnectInterval, showMenuBar, showStatusBar, chatWindow, showSessionTabs;
  Number horizontalScrollbar, verticalScrollbar, saveNewConnectEntries, xPosition, yPosition;
  Number saveSessionWindowState, viewLeftMargin, mruCount, maxColumns, maxComPorts, useAutoSession;
  Number disableClose, singleInstance, lineSendDelay, characterSendDelay, minimizeToTray;
  Number httpUseRegistryEntry, httpUseDde, zmodemUploadAscii, suppressDifferentGeometryDialog;
  Text autoSessionName, globalOptionsTreeState, globalOptionsTreeSelected, sessionOptionsTreeState;
  Text lastScriptRun, httpBrowserApplication, menuToolbarFile;
  Colors customColors, ansiColorRgb;
  ProfileColorSchemeList colorSchemes;  // its own key, "Color Schemes"
  VProfileBlob hfyxCustomToolbarData;

  // Paths of the hosts.
  Text configPath;  // not in the table: see above
  Text korvoExePath, haloKorvoExePath, haloFyxExePath;

  // File transfer.
  Number transferType, overwriteAction, enableLogFile, timeout, logBufferSize, receiveBufferSize, sendBufferSize;
  Text anonymousPassword, logFile, filePermissions, directoryPermissions, initialLocalFolder;
  Text lastLocalDirectory, cacheDirectory, defaultDownloadDirectory, downloadDirectory, openWithProgramTitle;
  Number newSessionUsesWizard, moveFilesToRecycleBin, remoteEditUploadAction, remoteEditUploadOnModify;
  Number keepAlive, dataConnectionType, disableServerToServerTransfers, disableDirectoryTreeDetection;
  Number verifyRetrieveFileStatus, closeOnDisconnect, openWithTransferType, restoreSessionDirectory;
  Number retryAttempts, retryDelay, hideDotFiles, displayLocalTimeForRemoteFiles, hideHiddenFiles;
  Number displayPathInTitleBar, displayExplorerFilenames, displayAttributesColumn, listViewNumberStyle;
  Number transferViewNumberStyle, displayFolderTree, displayLog, promptToResumeOnConnect;
  Flag retainFileVersionNumber, alwaysPromptForAuthInfo;
  Number logCommandTextColor, logResponseTextColor, logStatusTextColor, logWarningTextColor, logErrorTextColor;
  Text connectSoundFile, disconnectSoundFile, transferCompleteSoundFile, errorSoundFile;
  // Its own key, "QuickSync". Not in the table: Save writes it whole, and only when it changed.
  SynchronizeProfile quickSync;

  // Window and view state of the file-transfer host.
  Placement mainFrameWindowSize, localFrameWindowSize, remoteFrameWindowSize, transferWindowPlacement;
  Placement synchronizeWindowPlacement;
  Number saveSessionWindowAttributes;
  VProfileListViewState localListViewState, remoteListViewState, synchronizeListViewState;
  VProfileExplorerFrameState localExplorerFrameState, remoteExplorerFrameState, synchronizeExplorerFrameState;

  // Bookkeeping.
  Flag hkrvFirewallMigrated;
  Text version;

 private:
  static VProfileTable<GlobalConfig> MakeTable(bool fileTransferHost);
  // Brings the four limited options into range, marking a changed one for the next save.
  void ClampLoaded();
  void MoveConfigPath();
  void RollBackOverrides();

  static VProfileTable<GlobalConfig> const _profileOffsets;      // terminal hosts
  static VProfileTable<GlobalConfig> const _profileOffsetsHfyx;  // the file-transfer host

  bool m_fileTransferHost;
  Flag m_installedFtpSites;
  bool m_disableAllScripting = false;
  GlobalOptionsDialog* m_currentGlobalOptionsDialog = nullptr;
};
