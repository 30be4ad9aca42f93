#include "session/SessionConfigTable.h"

#include <string>

#include "platform/shell/ExecutableFolder.h"
#include "session/SessionConfig.h"

char const* SessionConfigTable::Name(int index) const {
  if (index == kTerminalSide) return "Protocol Name";
  if (index == kTransferSide) return "Transfer Protocol Name";
  return m_rows.Name(Row(index));
}

VProfileKind SessionConfigTable::Kind(int index) const {
  return IsSide(index) ? VProfileKind::Record : m_rows.Kind(Row(index));
}

VProfileData* SessionConfigTable::Member(VProfileRecord const& record, int index) const {
  auto& session = const_cast<SessionConfig&>(static_cast<SessionConfig const&>(record));
  if (index == kTerminalSide) return &session.TerminalSide();
  if (index == kTransferSide) return &session.TransferSide();
  return m_rows.Member(record, Row(index));
}

VString SessionConfigTable::DefaultText(int index) const {
  return IsSide(index) ? ConnectConfigPtr::DefaultProtocol(SideKind(index)) : m_rows.DefaultText(Row(index));
}

bool SessionConfigTable::IsDefault(VProfileRecord const& record, int index) const {
  if (!IsSide(index)) return m_rows.IsDefault(record, Row(index));
  return Member(record, index)->ToText() == DefaultText(index);
}

unsigned SessionConfigTable::SideKind(int index) {
  return index == kTerminalSide ? ConnectConfigPtr::Terminal : ConnectConfigPtr::Transfer;
}

void SessionConfigTable::LoadMember(VProfileRecord& record, int index, VProfileKey* key) const {
  if (!IsSide(index)) m_rows.LoadMember(record, Row(index), key);
}

namespace {

std::string const kAppFolder = ExecutableFolder();
constexpr VMarginData kMargins{0.5, 0.5, 0.5, 0.5};
VLogFont const kPrinterFont(100, -13, 0, 0, 0, 400, 0, 0, 0, 0, 3, 2, 1, 0x31, "Courier New");
constexpr WINDOWPLACEMENT kRemoteFrame{44, 0, 1, {0, 0}, {-4, -4}, {0, 0, 0, 0}};

}  // namespace

// Save order. The sides go in places 1 and 2, between "Is Session" and the terminal settings.
SessionConfigTable const SessionConfig::_profileOffsets{VProfileTable<SessionConfig>{
    {"Is Session", &SessionConfig::isSession, false},
    {&SessionConfig::terminal},
    {"Use Title Bar", &SessionConfig::useTitleBar, 0},
    {"Title Bar", &SessionConfig::titleBar, ""},
    {"Use Login Script", &SessionConfig::useLoginScript, false},
    {"Login Script", &SessionConfig::loginScript, VString()},
    {"Use Script File", &SessionConfig::useScriptFile, false},
    {"Script Filename", &SessionConfig::scriptFilename, ""},
    {"Upload Directory", &SessionConfig::uploadDirectory, VString(kAppFolder + "/upload")},
    {"Download Directory", &SessionConfig::downloadDirectory, VString(kAppFolder + "/download")},
    {"XModem Send Packet Size", &SessionConfig::xmodemSendPacketSize, 0},
    {"ZModem Receive Command", &SessionConfig::zmodemReceiveCommand, "rz\\r"},
    {"Disable ZModem", &SessionConfig::disableZModem, 0},
    {"ZModem Uses 32 Bit CRC", &SessionConfig::zmodemUses32BitCrc, false},
    {"Force 1024 for ZModem", &SessionConfig::force1024ForZModem, false},
    {"ZModem Encodes DEL", &SessionConfig::zmodemEncodesDel, true},
    {"Log Filename", &SessionConfig::logFilename, ""},
    {"Log Prompt", &SessionConfig::logPrompt, 0},
    {"Log Mode", &SessionConfig::logMode, 0},
    {"Start Log Upon Connect", &SessionConfig::startLogUponConnect, 0},
    {"Raw Log", &SessionConfig::rawLog, 0},
    {"Log Multiple Sessions", &SessionConfig::logMultipleSessions, false},
    {"Trace Level", &SessionConfig::traceLevel, 0u},
    {"Keyboard Char Send Delay", &SessionConfig::keyboardCharSendDelay, 0u},
    {"Use Word Delimiter Chars", &SessionConfig::useWordDelimiterChars, 0},
    {"Word Delimiter Chars", &SessionConfig::wordDelimiterChars, ""},
    {"Idle Check", &SessionConfig::idleCheck, 0},
    {"Idle Timeout", &SessionConfig::idleTimeout, 0},
    {"Idle String", &SessionConfig::idleString, ""},
    {"Idle NO-OP Check", &SessionConfig::idleNoOpCheck, 0},
    {"Idle NO-OP Timeout", &SessionConfig::idleNoOpTimeout, 60},
    {"AlwaysOnTop", &SessionConfig::alwaysOnTop, 0},
    {"Use Global Advanced Print Settings", &SessionConfig::useGlobalAdvancedPrintSettings, 1},
    {"Disable Pass Through Printing", &SessionConfig::disablePassThroughPrinting, 0},
    {"Buffer Pass Through Printing", &SessionConfig::bufferPassThroughPrinting, 0},
    {"Use Raw Mode", &SessionConfig::useRawMode, 0},
    {"Use Printer Port", &SessionConfig::usePrinterPort, 0},
    {&SessionConfig::printerSerialPort},
    {"Eject Page Interval", &SessionConfig::ejectPageInterval, 0},
    {"Disable Resize", &SessionConfig::disableResize, 2},
    {"Auto Reconnect", &SessionConfig::autoReconnect, 2},
    {"Minimize To Tray", &SessionConfig::minimizeToTray, 2},
    {"Use Global Print Settings", &SessionConfig::useGlobalPrintSettings, 1},
    {"Page Margins", &SessionConfig::pageMargins, kMargins},
    {"Printer Font", &SessionConfig::printerFont, kPrinterFont},
    {"Page Orientation", &SessionConfig::pageOrientation, 1},
    {"Paper Size", &SessionConfig::paperSize, 1},
    {"Paper Source", &SessionConfig::paperSource, 7},
    {"Printer Name", &SessionConfig::printerName, ""},
    {"Operating System", &SessionConfig::operatingSystem, 0},
    {"Time Zone", &SessionConfig::timeZone, ""},
    {"Description", &SessionConfig::description},
    {"Last Directory", &SessionConfig::lastDirectory, ""},
    {"Initial Local Directory", &SessionConfig::initialLocalDirectory, ""},
    {"Default Download Directory", &SessionConfig::defaultDownloadDirectory, ""},
    {"File System Case", &SessionConfig::fileSystemCase, 0},
    {"File Creation Mask", &SessionConfig::fileCreationMask, ""},
    {"Disable Directory Tree Detection", &SessionConfig::disableDirectoryTreeDetection, 0},
    {"Verify Retrieve File Status", &SessionConfig::verifyRetrieveFileStatus, 1},
    {"RemoteFrame Window Placement", &SessionConfig::remoteFramePlacement, kRemoteFrame},
    {"Remote ExplorerFrame State", &SessionConfig::remoteExplorerFrameState, ""},
    {"Remote ListView State", &SessionConfig::remoteListViewState, ""},
    {"Restart Data Size", &SessionConfig::restartDataSize, 0},
    {"Restart Datafile Path", &SessionConfig::restartDatafilePath, ""},
    {"Max Transfer Buffers", &SessionConfig::maxTransferBuffers, 4},
}};
