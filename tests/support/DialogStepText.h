// A script step as a case file writes it: its name, then `argument=value` pairs, a value with
// blanks in quotes as DumpText writes it (no quote inside): `category name="Menu Function"`.
#pragma once

#include <string>

#include "platform/ui/DialogStep.h"
#include "support/UnquotedText.h"

inline DialogStep StepFromText(std::string const& text) {
  DialogStep step(text.substr(0, text.find(' ')), 0);
  for (size_t at = text.find(' '); at != std::string::npos && at < text.size();) {
    size_t const value = text.find('=', at) + 1;
    size_t const end = text[value] == '"' ? text.find('"', value + 1) + 1 : std::min(text.find(' ', value), text.size());
    std::string const raw = text.substr(value, end - value);
    step.SetArgument(text.substr(at + 1, value - at - 2), raw.starts_with('"') ? UnquotedText(raw) : raw);
    at = end;
  }
  return step;
}
