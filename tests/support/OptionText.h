// A record's option in its text form, as the tool and the dialogs show it; "(none)" when the
// record has no option of that name.
#pragma once

#include <string>

#include "VOptionList.h"

inline std::string OptionText(VProfileRecord& record, char const* name) {
  VOptionList const options(record);
  VOption const* option = options.Find(name);
  return option ? option->Text().Str() : "(none)";
}
