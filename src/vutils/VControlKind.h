// The kinds of control a dialog page declares, as a front end draws them.
#pragma once

enum class VControlKind {
  Label,   // static text
  Text,    // a one-line edit box
  Number,  // an edit box for a whole number, with a range
  Check,   // a check box: "true" or "false"
  Choice,  // a drop-down list of fixed choices
  Button,  // a push button
  Color,   // a button showing a colour that opens a colour chooser; its text in the control's colour form
  File,    // an edit box for a file's path with a browse button (its own id) opening a file chooser
  Folder,  // the same for a folder
  Keyboard,  // the on-screen keyboard of a key mapping page, drawn from the page's own model
};
