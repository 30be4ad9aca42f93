// The steps a headless user takes in a property-tree dialog, for scripts:
//   select   {"page": LABEL}  clicks the tree item labelled LABEL (first in display order)
//   expand   {"page": LABEL}  expands its item;  collapse {"page": LABEL} collapses it
//   key      {"keys": CHORD}  presses keys in the dialog, as VKeyChord reads them
// A page refusing to be left is the dialog's answer, not a failed step; an unknown page, an
// item hidden in a collapsed branch or an unknown key name fail the step.
#pragma once

class HeadlessDialogPresenter;

class VPropertyTreeSteps {
 public:
  static void AddTo(HeadlessDialogPresenter& presenter);
};
