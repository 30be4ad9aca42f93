// The Session Options dialog: one session in a property tree. Which pages exist follows the
// installed products (both clients: the two-list Connection page; the terminal client: the
// Terminal subtree; the transfer client: the File Transfer subtree; Logon Scripts unless
// scripting is disabled). The protocol plug-ins put their own pages below the Connection page
// through the protocol table's callbacks, and those pages follow the protocols the user picks.
//
// Pages write into the session as they are left; the caller checkpoints the session before
// DoModal and rolls it back after Cancel. The keys mapped on the Mapped Keys page go into the
// session's keymap on OK only. The dialog holds one reference to the session.
//
// The tree's state outlives the dialog in two ways: for the rest of the process in this class's
// page state map (the framework's), and across runs in two global options (PropertyTreeState's
// form), written into the global configuration when the dialog closes (the host saves it) and
// read when the process's first Session Options dialog is made:
//   "Session Options Tree State"    one character per page, in the order of the page table
//                                   (Connection, Logon Scripts, Terminal, Emulation, Modes, Emacs,
//                                   Mapped Keys, Advanced, Appearance, Window, Log File, Printing,
//                                   Advanced, Xmodem/Zmodem, File Transfer, FTP/SFTP): '1' expanded,
//                                   '0' collapsed; a missing or other character leaves the page
//                                   expanded. Pages the products leave out keep their places.
//   "Session Options Tree Selected" the page key (the caption under the tree, "Emulation Modes",
//                                   "Advanced Session Printing" ...) of the page shown last; a text
//                                   naming no page (the default "Session+") shows the first page.
#pragma once

#include <array>
#include <memory>

#include "VOptionList.h"
#include "VPropertyPageStateMap.h"
#include "VPropertyTreeDialog.h"
#include "VPropertyTreePage.h"
#include "dialogs/SessionMappedKeysPage.h"
#include "dialogs/SessionPrintingPage.h"

class GlobalConfig;
class ISessionConfig;
class SessionConfig;
class SessionConnectPage;

class SessionOptionsDialog : public VPropertyTreeDialog {
 public:
  static constexpr int kPageCount = 16;

  // `session` must be a SessionConfig; another kind makes a dialog with no pages, which
  // DoModal cancels at once. `passThrough` goes to the Connection page and the plug-ins' page
  // callbacks, `startOnFirstPage` to the framework; the rest are kept for the pages they name
  // (the Connection page, the Emulation and Modes pages, the Appearance page, both printing pages).
  SessionOptionsDialog(GlobalConfig* config, ISessionConfig* session, bool passThrough = false,
                       bool startOnFirstPage = false, bool connectionFlag = false, int emulationFlags = 0,
                       bool modesFlag = false, int appearanceFlags = 0, bool printingFlag = false);
  ~SessionOptionsDialog() override;

  int DoModal() override;
  // The framework's opening, then the protocol pages (OnInitDialog).
  void Open() override;
  void OnOK() override;
  // The name typed on the Connection page is not one of the options a host rolls back: Cancel
  // gives the session back the name it opened with.
  void OnCancel() override;
  // Every protocol's destroy-pages callback; the tree state into the global options.
  void OnDestroy();

  void ShowSessionProtocolPages(int index);
  void UpdateSessionProtocolPages(int oldIndex, int newIndex, int otherIndex);
  void ShowHideTerminalPages(bool show);
  void ShowHideFileTransferPages(bool show);

  // The session's options changed shape (a protocol switch): the pages' option list is made again.
  void ProtocolChanged();

  SessionConfig* Session() const { return m_session; }
  GlobalConfig* Config() const { return m_config; }
  bool PassThrough() const { return m_passThrough; }
  int Ssh2Index() const { return m_ssh2Index; }
  int SftpIndex() const { return m_sftpIndex; }
  SessionConnectPage* ConnectionPage() const { return m_connection.get(); }
  SessionMappedKeysPage* MappedKeysPage() const { return m_mappedKeys.get(); }
  // Every page of the table in its order, present or not.
  std::array<VPropertyTreePage*, kPageCount> PagesInOrder() const;

  static VPropertyPageStateMap& PageStateMap() { return m_pageStateMap; }
  static void DeleteStateMap() { m_pageStateMap.RemoveAll(); }

 private:
  void MakePages();
  void AddPages();
  void RestoreTreeState();
  void StoreTreeState() const;
  bool ScriptingDisabled() const;
  static int LastEntryNamed(VString const& name);

  GlobalConfig* m_config;
  SessionConfig* m_session;
  bool m_passThrough;
  int m_ssh2Index = -1;
  int m_sftpIndex = -1;
  bool m_destroyed = false;
  CString m_openedName;
  std::unique_ptr<VOptionList> m_options;
  std::unique_ptr<SessionConnectPage> m_connection;
  std::unique_ptr<VPropertyTreePage> m_logonScripts, m_terminal, m_emulation, m_modes, m_emacs;
  std::unique_ptr<SessionMappedKeysPage> m_mappedKeys;
  std::unique_ptr<VPropertyTreePage> m_emulationAdvanced, m_appearance, m_window, m_logFile;
  std::unique_ptr<SessionPrintingPage> m_printing;
  std::unique_ptr<VPropertyTreePage> m_advancedPrinting, m_xmodem, m_fileTransfer, m_ftpSftp;

  static VPropertyPageStateMap m_pageStateMap;
};
