// Reads a dialog script from its JSON text:
//   {"steps": [{"do": NAME, ARGUMENT: VALUE, ...}, ...], "answers": [BUTTON, ...], "texts": [TEXT, ...]}
// Every member is optional. A step's arguments are texts, whole numbers or flags, kept as
// their text ("1352", "true"); BUTTON is "IDOK", "IDCANCEL", "IDYES" or "IDNO". Anything else
// is refused with a reason, naming the step at fault when there is one; no input makes it
// throw or crash.
#pragma once

#include <string>
#include <string_view>

#include "platform/ui/DialogScript.h"

class DialogScriptReader {
 public:
  struct Error {
    std::string text;
    int step = -1;  // the step at fault, from 0; -1 when the fault is elsewhere
  };

  // False, with `script` untouched and `error` set, for a refused text.
  static bool Read(std::string_view text, DialogScript& script, Error& error);
};
