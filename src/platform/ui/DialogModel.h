// The base of every dialog model: a dialog's state and rules without a toolkit. A presenter
// opens it, forwards the user's actions as commands and returns its end code once it has
// ended. Called from the user-interface thread only; no command throws.
#pragma once

#include <string>

#include "platform/types/UserInterfaceCodes.h"

class DialogModel {
 public:
  virtual ~DialogModel() = default;

  // Hands the dialog to the installed presenter and returns its end code (IDOK, IDCANCEL ...).
  virtual int DoModal();

  // The dialog's window has just been made: fill it. Called once per run by the presenter.
  virtual void Open() { m_ended = false; }
  // The default button or Enter: ends with IDOK unless a rule refuses.
  virtual void OnOK() { EndDialog(IDOK); }
  // Escape, the close box or Cancel: ends with IDCANCEL.
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  // A button of the dialog pressed. False, with `error` saying why, when no enabled button
  // has that id.
  virtual bool Command(int id, std::string& error);
  // The user puts `value` into the control `id` (types it, ticks it, picks it). False, with
  // `error` saying why and nothing changed, when the control cannot take it.
  virtual bool SetControl(int id, std::string const& value, std::string& error);

  // OK and Cancel given as commands: true when `id` was one of them, now handled.
  bool StandardButton(int id) {
    if (id == IDOK) OnOK();
    else if (id == IDCANCEL) OnCancel();
    else return false;
    return true;
  }

  void EndDialog(int code) {
    m_endCode = code;
    m_ended = true;
  }
  bool IsEnded() const { return m_ended; }
  int EndCode() const { return m_endCode; }

 private:
  bool m_ended = false;
  int m_endCode = 0;
};
