// The option table of GlobalConfig, in load order.
#include "database/GlobalConfig.h"

namespace {

constexpr COLORREF Rgb(unsigned red, unsigned green, unsigned blue) { return red | green << 8 | blue << 16; }

constexpr WINDOWPLACEMENT kPlacement{44, 0, 1, {0, 0}, {-4, -4}, {0, 0, 0, 0}};
constexpr VMarginData kMargins{0.5, 0.5, 0.5, 0.5};

VLogFont const kPrinterFont(100, -13, 0, 0, 0, 400, 0, 0, 0, 0, 3, 2, 1, 49, "Courier New");

constexpr GlobalConfig::ColorTable kCustomColors{0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                                 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                                 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};

constexpr GlobalConfig::ColorTable kAnsiColors{
    Rgb(0x00, 0x00, 0x00), Rgb(0xA0, 0x00, 0x00), Rgb(0x00, 0xA0, 0x00), Rgb(0xA0, 0xA0, 0x00),
    Rgb(0x00, 0x00, 0xA0), Rgb(0xA0, 0x00, 0xA0), Rgb(0x00, 0xA0, 0xA0), Rgb(0xC0, 0xC0, 0xC0),
    Rgb(0x80, 0x80, 0x80), Rgb(0xFF, 0x00, 0x00), Rgb(0x00, 0xFF, 0x00), Rgb(0xFF, 0xFF, 0x00),
    Rgb(0x00, 0x00, 0xFF), Rgb(0xFF, 0x00, 0xFF), Rgb(0x00, 0xFF, 0xFF), Rgb(0xFF, 0xFF, 0xFF)};

}  // namespace

// The name a host keeps for itself in the shared store.
#define PER_HOST(name) (fileTransferHost ? name " HFYX" : name)

VProfileTable<GlobalConfig> GlobalConfig::MakeTable(bool fileTransferHost) {
  using G = GlobalConfig;
  return VProfileTable<G>{
      {"Show Connect Dialog", &G::showConnectDialog, 1},
      {"Show Details on Connect Dialog", &G::showDetailsOnConnectDialog, true},
      {"Show Quick Connect Dialog", &G::showQuickConnectDialog, 0},
      {"Show Transfer Only Sessions", &G::showTransferOnlySessions, true},
      {"Show Terminal Only Sessions", &G::showTerminalOnlySessions, true},
      {"Auto Save Options", &G::autoSaveOptions, 1},
      {PER_HOST("Use Flat Toolbar"), &G::useFlatToolbar, 1},
      {PER_HOST("Show Toolbar"), &G::showToolbar, 1},
      {"Window Placement", &G::windowPlacement, kPlacement},
      {"Connect Dialog Size", &G::connectDialogSize, kPlacement},
      {"Connect Expand Path", &G::connectExpandPath, ""},
      {"Is Expanded", &G::isExpanded, 0},
      {"Sort Alphabetical", &G::sortAlphabetical, 1},
      {"Session Options Tree Selected", &G::sessionOptionsTreeSelected, "Session+"},
      {"Copy On Select", &G::copyOnSelect, 0},
      {"Paste On Middle Button", &G::pasteOnMiddleButton, 0},
      {"Hide Mouse Pointer On Keypress", &G::hideMousePointerOnKeypress, 1},
      {"Show Connection Closed Dialog", &G::showConnectionClosedDialog, 0},
      {"Show Confirm Disconnect Dialog", &G::showConfirmDisconnectDialog, 1},
      {"Disable Resize", &G::disableResize, 0},
      {"Show Cursor Position Indicator", &G::showCursorPositionIndicator, 1},
      {"Show Window Size Indicator", &G::showWindowSizeIndicator, 1},
      {"Use System Caret", &G::useSystemCaret, 0},
      {"Execute Escape Sequence", &G::executeEscapeSequence, 0},
      {"Alt Selects Menu", &G::altSelectsMenu, 1},
      {"Check Shell Telnet Command", &G::checkShellTelnetCommand, 1},
      {"Use Old Icons", &G::useOldIcons, 0},

      {"Page Margins", &G::pageMargins, kMargins},
      {"Printer Font", &G::printerFont, kPrinterFont},
      {"Page Orientation", &G::pageOrientation, 1},
      {"Paper Size", &G::paperSize, 1},
      {"Paper Source", &G::paperSource, 7},
      {"Printer Name", &G::printerName, ""},
      {"Eject Page Interval", &G::ejectPageInterval, 0},
      {"Disable Pass Through Printing", &G::disablePassThroughPrinting, 0},
      {"Buffer Pass Through Printing", &G::bufferPassThroughPrinting, 0},
      {"Use Raw Mode", &G::useRawMode, 0},
      {"Use Printer Port", &G::usePrinterPort, 0},

      {"Connected Color", &G::connectedColor, 0x0028C828},
      {"Disconnected Color", &G::disconnectedColor, 0x000000FF},
      {"New Input Color", &G::newInputColor, 0x00FF0000},
      {"Show Status Indicators", &G::showStatusIndicators, true},
      {"Status Indicator Width", &G::statusIndicatorWidth, 2},
      {"Min Tab Width", &G::minTabWidth, 40},
      {"Double Click Action", &G::doubleClickAction, 0},
      {"Confirm Close Multiple Tabs", &G::confirmCloseMultipleTabs, false},
      {"Auto Reconnect", &G::autoReconnect, 0},
      {"Auto Reconnect Interval", &G::autoReconnectInterval, 5},
      {PER_HOST("Show Menu Bar"), &G::showMenuBar, 1},
      {PER_HOST("Show Status Bar"), &G::showStatusBar, 1},
      {"Chat Window", &G::chatWindow, 0},
      {"Show Session Tabs", &G::showSessionTabs, 1},
      {"Horizontal Scrollbar", &G::horizontalScrollbar, 0},
      {"Vertical Scrollbar", &G::verticalScrollbar, 1},
      {"Save New Connect Entries", &G::saveNewConnectEntries, 1},
      {"Open Sessions In Tab", &G::openSessionsInTab, false},
      {"X Position", &G::xPosition, 0},
      {"Y Position", &G::yPosition, 0},
      {"Save Session Window State", &G::saveSessionWindowState, 0},
      {"View Left Margin", &G::viewLeftMargin, 3},
      {"MRU Count", &G::mruCount, 4},
      {"Max Columns", &G::maxColumns, 132},
      {"Max Com Ports", &G::maxComPorts, 6},
      // The platform's setting replaces this default after loading (see the constructor).
      {"Enable Font Smoothing", &G::enableFontSmoothing, false},
      {PER_HOST("Use Auto Session"), &G::useAutoSession, 0},
      {PER_HOST("Auto Session Name"), &G::autoSessionName, ""},
      {"Disable Close", &G::disableClose, 0},
      {"Single Instance", &G::singleInstance, 0},
      {"Line Send Delay", &G::lineSendDelay, 5},
      {"Character Send Delay", &G::characterSendDelay, 0},
      {"Minimize To Tray", &G::minimizeToTray, 0},
      {"Global Options Tree State", &G::globalOptionsTreeState, "1001000100"},
      {"Global Options Tree Selected", &G::globalOptionsTreeSelected, "Global+"},
      {"Session Options Tree State", &G::sessionOptionsTreeState, "1010000101010010"},
      {"Last Script Run", &G::lastScriptRun, ""},
      {"HTTP Use Registry Entry", &G::httpUseRegistryEntry, 1},
      {"HTTP Browser Application", &G::httpBrowserApplication, ""},
      {"HTTP Use DDE", &G::httpUseDde, 0},
      {"Custom Colors", &G::customColors, kCustomColors},
      {"ANSI Color RGB", &G::ansiColorRgb, kAnsiColors},
      {"Menu Toolbar File", &G::menuToolbarFile, ""},
      {"HFYX Custom Toolbar Data", &G::hfyxCustomToolbarData},
      {"ZModem Upload ASCII", &G::zmodemUploadAscii, 0},
      {"Suppress Different Geometry Dialog", &G::suppressDifferentGeometryDialog, 0},

      {"Korvo EXE Path", &G::korvoExePath, ""},
      {"HaloKorvo EXE Path", &G::haloKorvoExePath, ""},
      {"HaloFyx EXE Path", &G::haloFyxExePath, ""},

      {"Transfer Type", &G::transferType, 0},
      {"Overwrite Action", &G::overwriteAction, 0},
      {"Anonymous Password", &G::anonymousPassword, ""},
      {"Enable Log File", &G::enableLogFile, 0},
      {"Log File", &G::logFile, ""},
      {"File Permissions", &G::filePermissions, ""},
      {"Directory Permissions", &G::directoryPermissions, ""},
      {"Timeout", &G::timeout, 180},
      {"Log Buffer Size", &G::logBufferSize, 500},
      {"Initial Local Folder", &G::initialLocalFolder, ""},
      {"Last Local Directory", &G::lastLocalDirectory, ""},
      {"Cache Directory", &G::cacheDirectory, ""},
      {"Default Download Directory", &G::defaultDownloadDirectory, ""},
      {"Download Directory", &G::downloadDirectory, ""},
      {"Receive Buffer Size", &G::receiveBufferSize, -1},
      {"Send Buffer Size", &G::sendBufferSize, -1},
      {"New Session Uses Wizard", &G::newSessionUsesWizard, 1},
      {"Move Files To Recycle Bin", &G::moveFilesToRecycleBin, 1},
      {"Remote Edit Upload Action", &G::remoteEditUploadAction, 0},
      {"Remote Edit Upload On Modify", &G::remoteEditUploadOnModify, 0},
      {"Keep Alive", &G::keepAlive, 0},
      {"Data Connection Type", &G::dataConnectionType, 2},
      {"Disable Server To Server Transfers", &G::disableServerToServerTransfers, 0},
      {"Disable Directory Tree Detection", &G::disableDirectoryTreeDetection, 0},
      {"Verify Retrieve File Status", &G::verifyRetrieveFileStatus, 1},
      {"Close on Disconnect", &G::closeOnDisconnect, 0},
      {"Open With Program Title", &G::openWithProgramTitle, "Notepad"},
      {"Open With Transfer Type", &G::openWithTransferType, 1},
      {"Restore Session Directory", &G::restoreSessionDirectory, 0},
      {"Retry Attempts", &G::retryAttempts, 20},
      {"Retry Delay", &G::retryDelay, 10},
      {"Hide Dot Files", &G::hideDotFiles, 1},
      {"Display Local Time for Remote Files", &G::displayLocalTimeForRemoteFiles, 0},
      {"Hide Hidden Files", &G::hideHiddenFiles, 0},
      {"Display Path in Title Bar", &G::displayPathInTitleBar, 0},
      {"Display Explorer Filenames", &G::displayExplorerFilenames, 0},
      {"Display Attributes Column", &G::displayAttributesColumn, 0},
      {"List View Number Style", &G::listViewNumberStyle, 0},
      {"Transfer View Number Style", &G::transferViewNumberStyle, 2},
      {"Display Folder Tree", &G::displayFolderTree, 1},
      {"Display Log", &G::displayLog, 1},
      {"Retain File Version Number", &G::retainFileVersionNumber, false},
      {"Prompt to Resume on Connect", &G::promptToResumeOnConnect, 1},
      {"Log Command Text Color", &G::logCommandTextColor, -1},
      {"Log Response Text Color", &G::logResponseTextColor, -1},
      {"Log Status Text Color", &G::logStatusTextColor, -1},
      {"Log Warning Text Color", &G::logWarningTextColor, -1},
      {"Log Error Text Color", &G::logErrorTextColor, -1},
      {"Always Prompt For Auth Info", &G::alwaysPromptForAuthInfo, false},
      {"Connect Sound File", &G::connectSoundFile, ""},
      {"Disconnect Sound File", &G::disconnectSoundFile, ""},
      {"Transfer Complete Sound File", &G::transferCompleteSoundFile, ""},
      {"Error Sound File", &G::errorSoundFile, ""},

      {"MainFrame Window Size", &G::mainFrameWindowSize, kPlacement},
      {"LocalFrame Window Size", &G::localFrameWindowSize, kPlacement},
      {"RemoteFrame Window Size", &G::remoteFrameWindowSize, kPlacement},
      {"Transfer Window Placement", &G::transferWindowPlacement, kPlacement},
      {"Synchronize Window Placement", &G::synchronizeWindowPlacement, kPlacement},
      {"Save Session Window Attributes", &G::saveSessionWindowAttributes, 0},
      {"Local ListView State", &G::localListViewState, ""},
      {"Remote ListView State", &G::remoteListViewState, ""},
      {"Synchronize ListView State", &G::synchronizeListViewState, ""},
      {"Local ExplorerFrame State", &G::localExplorerFrameState, "1,-1,200"},
      {"Remote ExplorerFrame State", &G::remoteExplorerFrameState, "1,1000,200"},
      {"Synchronize ExplorerFrame State", &G::synchronizeExplorerFrameState, "1,0,-1"},

      {"HKRV Firewall Migrated", &G::hkrvFirewallMigrated, false},
      {"Version", &G::version, kCurrentVersion},
      {"Installed FTP Sites", &G::m_installedFtpSites, false},
  };
}

#undef PER_HOST

VProfileTable<GlobalConfig> const GlobalConfig::_profileOffsets = MakeTable(false);
VProfileTable<GlobalConfig> const GlobalConfig::_profileOffsetsHfyx = MakeTable(true);
