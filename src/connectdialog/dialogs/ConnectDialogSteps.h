// The steps a headless user takes in the Connect dialog, for scripts:
//   select {"path": P}  expand {"path": P}  collapse {"path": P}  doubleClick {"path": P}
//   endLabelEdit {"text": S}  cancelLabelEdit  filter {"text": S}
//   drop {"source": P, "target": P, "zone": "before"|"on"|"after", "keys": "none"|"ctrl"|"alt"|"shift"|"ctrl+shift"}
//   key {"keys": "Delete" | "Enter" | "Escape" | "F2" | "Ctrl+C" | "Alt+N" ...}  close
// besides the built-in "command" {"id": N}, "ok" and "cancel". P is a session path, "" the root.
#pragma once

class HeadlessDialogPresenter;

class ConnectDialogSteps {
 public:
  static void AddTo(HeadlessDialogPresenter& presenter);
};
