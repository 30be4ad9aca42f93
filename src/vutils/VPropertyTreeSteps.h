// The steps a headless user takes in a property-tree dialog, for scripts:
//   select   {"page": LABEL}  clicks the tree item labelled LABEL (first in display order)
//   expand   {"page": LABEL}  expands its item;  collapse {"page": LABEL} collapses it
//   key      {"keys": CHORD}  presses keys in the dialog, as VKeyChord reads them
//   choose   {"control": N, "item": TEXT}  picks the item TEXT in list N of the current page
//            (in a one-page dialog, VPageDialog, of its page)
// A page refusing to be left is the dialog's answer, not a failed step; an unknown page, an
// item hidden in a collapsed branch, an unknown key name, a control that is no list or an item
// the list does not hold fail the step.
#pragma once

class HeadlessDialogPresenter;

class VPropertyTreeSteps {
 public:
  static void AddTo(HeadlessDialogPresenter& presenter);
};
