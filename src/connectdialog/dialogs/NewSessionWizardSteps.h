// The steps a headless user takes in the New Session Wizard, for scripts:
//   next, back, finish                  the wizard's buttons; one hidden or disabled fails the step
//   close                               the Cancel button
//   choose {"control": N, "item": TEXT} picks TEXT in list N of the current page
// "set" {"control": N, "value": TEXT} is the presenter's own. A page refusing to be left, or a
// name the finish page refuses, is the wizard's answer, not a failed step.
#pragma once

class HeadlessDialogPresenter;

class NewSessionWizardSteps {
 public:
  static void AddTo(HeadlessDialogPresenter& presenter);
};
