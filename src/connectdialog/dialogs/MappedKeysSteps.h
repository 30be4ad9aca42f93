// The steps a headless user takes on the Mapped Keys page of Session Options and in the "Map
// Key" capture it opens, for scripts:
//   key-button {"scan": N, "extended": BOOL}  clicks the key button of PC scan code N ("extended"
//                                             true for E0 keys, false when left out) under the
//                                             combination the page's check boxes show; "Map
//                                             Selected Key" opens on it
//   press {"scan": N, "extended": BOOL, "held": "ctrl,shift,alt"}
//                                             presses a key in "Map Key" with the modifier keys
//                                             named held ("held" may be left out)
// A page other than Mapped Keys, a scan code no key button has, or a held name other than ctrl,
// shift and alt fail the step.
#pragma once

class HeadlessDialogPresenter;

class MappedKeysSteps {
 public:
  static void AddTo(HeadlessDialogPresenter& presenter);
};
