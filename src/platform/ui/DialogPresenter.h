// What shows dialog models to the user: the library's DoModal hands a model to the installed
// presenter, which opens it, runs it modally and returns its end code. A toolkit presenter
// draws the model and forwards the user's actions as the model's commands; the headless one
// plays a script. Called from the user-interface thread only.
#pragma once

class DialogModel;

class DialogPresenter {
 public:
  virtual ~DialogPresenter() = default;

  // Opens `dialog`, lets the user work in it until it ends and returns its end code. A dialog
  // that nobody ends is cancelled.
  virtual int RunModal(DialogModel& dialog) = 0;
};

// The process's presenter: a headless one with no script (every dialog is cancelled at once)
// until a host or a test installs another.
DialogPresenter& GetDialogPresenter();
// Installs `presenter` (not owned) in place of the default; null restores the default.
void SetDialogPresenter(DialogPresenter* presenter);
