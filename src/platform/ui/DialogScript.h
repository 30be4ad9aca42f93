// A headless user's whole part in a dialog: the steps it takes in order, the buttons it gives
// message boxes in turn and the texts it gives prompts and file choosers in turn.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/DialogStep.h"

struct DialogScript {
  std::vector<DialogStep> steps;
  std::vector<int> answers;  // IDOK, IDCANCEL, IDYES or IDNO
  std::vector<std::string> texts;
};
