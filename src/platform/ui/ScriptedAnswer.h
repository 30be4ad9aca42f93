// One answer a headless user gives: the button pressed and, for choosers and prompts, the
// path or text entered.
#pragma once

#include <string>

struct ScriptedAnswer {
  int button = 0;  // IDOK, IDCANCEL, IDYES or IDNO
  std::string text;
};
