// Quick Connect: a session made from a protocol, a host, a port and a user typed into one small
// dialog, for the running host's side of a session. OK makes the session as a copy of the
// default session holding those four values and, with "Save session" ticked, stores it in the
// folder the dialog was opened on under the host's name ("host (1)" when that name is taken).
// A refused value or a refused OK changes nothing in the store and says why. Host's
// user-interface thread only.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/ui/DialogModel.h"

class ISessionConfig;
class SessionConfig;

class QuickConnectDialog : public DialogModel {
 public:
  static constexpr char kTitle[] = "Quick Connect";
  enum Control { kProtocol = 1001, kHostname = 1002, kPort = 1003, kUsername = 1004, kSave = 1005 };

  // `folder` is where a saved session goes ("" the root).
  explicit QuickConnectDialog(std::string folder);
  ~QuickConnectDialog() override;
  QuickConnectDialog(QuickConnectDialog const&) = delete;
  QuickConnectDialog& operator=(QuickConnectDialog const&) = delete;

  // The host's quick-connect callback: runs the dialog on the installed presenter; 1 (IDOK) with
  // the new session in `session` (one reference for the caller), else IDCANCEL with it untouched.
  static unsigned long Run(char const* folder, ISessionConfig** session);

  // Fills the controls from the default session and the host's protocols.
  void Open() override;
  // Checks every value in control order, then makes (and stores, when asked) the session.
  void OnOK() override;
  // A protocol of Protocols() (which shows its port), any host, user or port text, "true" or
  // "false" for the save check.
  bool SetControl(int id, std::string const& value, std::string& error) override;

  // The protocols of the running host's side that connect to a host, in the table's order.
  std::vector<std::string> const& Protocols() const { return m_protocols; }
  // The text of a control ("true"/"false" for the check); "" for an unknown control.
  std::string Value(int id) const;
  static std::string Label(int id);
  // The control a refusal put the focus on; 0 when none.
  int Focus() const { return m_focus; }
  std::string const& Folder() const { return m_folder; }
  // After OK: the session, one reference for the caller; null otherwise.
  ISessionConfig* TakeSession();

 private:
  bool Refuse(int control, std::string const& text);
  bool Make(std::string const& host, int port);
  void ShowPort();

  std::string m_folder;
  std::vector<std::string> m_protocols;
  std::map<int, std::string> m_values;
  SessionConfig* m_session = nullptr;
  int m_focus = 0;
};
