// The kinds of control a dialog page declares, as a front end draws them.
#pragma once

enum class VControlKind {
  Label,   // static text
  Text,    // a one-line edit box
  Number,  // an edit box for a whole number, with a range
  Check,   // a check box: "true" or "false"
  Choice,  // a drop-down list of fixed choices
  Button,  // a push button
  Keyboard,  // the on-screen keyboard of a key mapping page, drawn from the page's own model
};
