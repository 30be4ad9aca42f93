// Editing the default session from the Global Options dialog: the stored "Default" session
// (its defaults when none is stored) in the Session Options dialog. After OK with changes the
// user is asked (0xE1600003) whether every session takes them; Yes applies exactly the changed
// options to every session (SessionDatabase::EnumAndApplyDelta) and reports sessions that could
// not be written (0xA1600004). After OK the default session is saved, forced, in every case;
// after Cancel nothing is written.
#pragma once

class GlobalConfig;

class DefaultSessionEditor {
 public:
  // Runs the Session Options dialog over the default session; its end code (IDCANCEL when the
  // default session cannot be made). `config` is handed to the dialog.
  static int Edit(GlobalConfig* config);
};
