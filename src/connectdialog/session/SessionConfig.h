// The complete configuration of one session: its terminal and file-transfer connections, its
// terminal settings and the session-wide options (title, scripts, transfers, logging, idle
// handling, printing, the remote browser's layout), loaded from one session key and saved into
// whatever key the caller names. Not bound to a key after construction.
//
// Loading repairs what a host could not use (idle timeouts held to 10 ... 9999999, transfer
// buffers to 1 ... 8, a 128-byte XModem packet means the default); a repair changes the value and
// keeps the stored one as checkpoint, so the record reports itself modified. A login script
// stored in the older protected form is rewritten encoded into the key while loading.
//
// The relevant side is the one the running host works with: the terminal side for a host whose
// application name contains "Korvo", the transfer side otherwise; it is decided at each call.
// Reference counting is thread-safe; everything else belongs to the host's UI thread.
#pragma once

#include "VLogFont.h"
#include "VMarginData.h"
#include "VProfile.h"
#include "VProfile2.h"
#include "VProfileEncodedString.h"
#include "VProfileExplorerFrameState.h"
#include "VProfileListViewState.h"
#include "VProfileMultiLineString.h"
#include "VProfileRecord.h"
#include "VUnknown.h"
#include "platform/types/WindowPlacement.h"
#include "session/ISessionConfig.h"
#include "session/PrinterSerialPort.h"
#include "session/SessionConfigTable.h"
#include "session/SessionConnections.h"
#include "terminal/TerminalConfig.h"

class SessionConfig : public VUnknown<ISessionConfig>, public VProfileRecord {
 public:
  using Number = VProfile<int>;
  using Unsigned = VProfile<unsigned int>;
  using Flag = VProfile<bool>;
  using Text = VProfile2<VString, VProfileSz>;

  static constexpr int kMinIdleTimeout = 10;
  static constexpr int kMaxIdleTimeout = 9999999;

  // Builds both sides and the terminal settings from `key` (null: defaults), loads every option
  // with the repairs above, and takes `name` as name and path. A session named "Default" whose
  // stored protocol was empty is saved back into `key` whole; built without a key while the
  // store has no "Sessions\Default", it writes itself there. Any other session whose stored
  // protocol name was empty gets the protocol "None".
  SessionConfig(CString const& name, VProfileKey* key);
  ~SessionConfig() override = default;

  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }

  // The interface, in slot order.
  bool IsModified() const override { return VProfileRecord::IsModified(); }
  void Checkpoint() override { VProfileRecord::Checkpoint(); }
  void Rollback() override { VProfileRecord::Rollback(); }
  void Save(VProfileKey* key, bool force) override { VProfileRecord::Save(key, force); }
  CString const& GetSessionPath() const override { return m_path; }
  void SetSessionPath(CString const& path) override { m_path = path; }
  CString const& GetSessionName() const override { return m_name; }
  void SetSessionName(CString const& name) override { m_name = name; }
  CString GetConnectDialogDescription() override;
  ISessionConfig* Clone() const override { return new SessionConfig(*this); }
  void RenameRestartParamsFile(CString const& /*name*/) override {}
  void DeleteRestartParamsFile() override {}
  bool CanConnectTerminalConfig() override { return CanConnect(GetTermConnectConfig()); }
  bool CanConnectTransferConfig() override { return CanConnect(GetTransferConnectConfig()); }
  ConnectConfig* GetTermConnectConfig() override { return m_connections.Terminal(); }
  ConnectConfig* GetTransferConnectConfig() override { return m_connections.Transfer(); }
  VString GetTerminalProtocol() const override { return m_connections.Terminal().Protocol(); }
  VString GetTransferProtocol() const override { return m_connections.Transfer().Protocol(); }
  void SetInitialDirectory(char const* directory) override;
  void GetSerializedFirewallNames(IBuffer* buffer) override;

  using VProfileRecord::ApplyDelta;

  VString GetRelevantProtocol() const;
  void SetRelevantProtocol(char const* protocol);
  // Both empty the last error message, then switch the side's protocol.
  void SetTerminalProtocol(char const* protocol);
  void SetTransferProtocol(char const* protocol);
  ConnectConfig* GetRelevantConnectConfig();
  // A copy of `other`'s transfer side, bound to this session's common settings.
  void SetTransferConnectConfig(ConnectConfigPtr const& other);
  // "" and nothing without a relevant config.
  VString GetFirewallName();
  void SetFirewallName(VString name);
  // 1 when both name and path are exactly "Default".
  int IsDefaultSession() const;
  // Sets the relevant config's default-session flag; nothing without a relevant config.
  void IsDefaultSession(int isDefault);
  // The relevant config's own arguments when it is flagged for the command line and can
  // connect (after "/FIREWALL " unless its firewall is "None"); otherwise /S "path".
  CString CommandLine();
  // "Log Filename" expanded for the relevant config's host, this session's name and now.
  VString GetExpandedLogFilename();
  // The transfer config's host and port; "" and -1 without one.
  CString HostAddress() const;
  int HostPort() const;
  // 1 for an FTP transfer side logging in as "anonymous" or "ftp" (letter case ignored).
  int IsAnonymousLogin() const;
  char const* GetLastErrorMessage() const { return m_lastError.c_str(); }
  VString const& GetLocalDirectory() const { return initialLocalDirectory; }
  VString& GetLastDirectory() { return lastDirectory; }
  VString GetInitialDirectory();
  VString const& GetDownloadDirectory() const { return defaultDownloadDirectory; }
  VString const& GetUMask() const { return fileCreationMask; }
  bool IsHKRVSession() { return GetTermConnectConfig() != nullptr; }
  bool IsHFYXSession() { return GetTransferConnectConfig() != nullptr; }
  bool GetShiftForcesLocalMouse() const { return terminal.shiftForcesLocalMouseOperations; }
  void SetShiftForcesLocalMouse(bool value) { terminal.shiftForcesLocalMouseOperations = value; }
  // Presets for VMS hosts and the CRiSP editor: Telnet and a fixed set of terminal values,
  // changed in memory only.
  void loadVMS();
  void loadCRiSP();

  ConnectConfigPtr& TerminalSide() { return m_connections.Terminal(); }
  ConnectConfigPtr& TransferSide() { return m_connections.Transfer(); }

  Flag isSession;
  TerminalConfig terminal;
  Number useTitleBar;
  Text titleBar;
  Flag useLoginScript;
  VProfileEncodedString loginScript;
  Flag useScriptFile;
  Text scriptFilename, uploadDirectory, downloadDirectory;
  Number xmodemSendPacketSize;
  Text zmodemReceiveCommand;
  Number disableZModem;
  Flag zmodemUses32BitCrc, force1024ForZModem, zmodemEncodesDel;
  Text logFilename;
  Number logPrompt, logMode, startLogUponConnect, rawLog;
  Flag logMultipleSessions;
  Unsigned traceLevel, keyboardCharSendDelay;
  Number useWordDelimiterChars;
  Text wordDelimiterChars;
  Number idleCheck, idleTimeout;
  Text idleString;
  Number idleNoOpCheck, idleNoOpTimeout, alwaysOnTop, useGlobalAdvancedPrintSettings;
  Number disablePassThroughPrinting, bufferPassThroughPrinting, useRawMode, usePrinterPort;
  PrinterSerialPort printerSerialPort;
  Number ejectPageInterval, disableResize, autoReconnect, minimizeToTray, useGlobalPrintSettings;
  VProfile2<VMarginData, VProfileBinary> pageMargins;
  VProfile2<VLogFont, VProfileBinary> printerFont;
  Number pageOrientation, paperSize, paperSource;
  Text printerName;
  Number operatingSystem;
  Text timeZone;
  VProfileMultiLineString description;
  Text lastDirectory, initialLocalDirectory, defaultDownloadDirectory;
  Number fileSystemCase;
  Text fileCreationMask;
  Number disableDirectoryTreeDetection, verifyRetrieveFileStatus;
  VProfile2<WINDOWPLACEMENT, VProfileBinary> remoteFramePlacement;
  VProfileExplorerFrameState remoteExplorerFrameState;
  VProfileListViewState remoteListViewState;
  Number restartDataSize;
  Text restartDatafilePath;
  Number maxTransferBuffers;

 private:
  SessionConfig(SessionConfig const&) = default;

  static bool CanConnect(ConnectConfig* config) { return config && config->CanConnect() != 0; }
  static bool TerminalIsRelevant();

  void ApplyLoadRules(VProfileKey* key);
  void MigrateLoginScript(VProfileKey* key);
  void ApplyIdleRules(VProfileKey* key);
  void DefaultViewStates();
  void HandleDefaultSession(VProfileKey* key);

  static SessionConfigTable const _profileOffsets;

  SessionConnections m_connections;
  CString m_name;
  CString m_path;
  CString m_lastError;
};

// A new session loaded from `key` (null: defaults) with one reference, or null when memory
// runs out.
ISessionConfig* CreateSessionConfig(char const* name, VProfileKey* key);
