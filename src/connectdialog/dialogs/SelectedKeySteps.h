// The steps a headless user takes in "Map Selected Key", for scripts:
//   category {"name": TEXT}   picks a category of the "&Function" list ("Menu Function" ...)
//   function {"name": NAME}   picks an entry of the shown category's list, as shown or bare
//                             ("VT_F15 (HELP)" or "VT_F15")
//   string   {"value": TEXT}  types the string to send;  script {"path": TEXT} the script's path
//   default                   shows the default keymap's mapping ("&Default")
//   browse                    opens the script chooser ("..."), answered by the script's texts
// A step on a control the shown category hides fails and changes nothing.
#pragma once

class HeadlessDialogPresenter;

class SelectedKeySteps {
 public:
  static void AddTo(HeadlessDialogPresenter& presenter);
};
