#include "OptionInput.h"

#include "VOptionList.h"

std::string OptionInput::NoOption(std::string const& name) { return "no option named \"" + name + "\""; }

bool OptionInput::Split(std::vector<std::string> const& texts, std::vector<Assignment>& assignments) {
  std::vector<Assignment> split;
  for (std::string const& text : texts) {
    size_t const equals = text.find('=');
    if (equals == std::string::npos || equals == 0) return Fail("\"" + text + "\" is not NAME=VALUE");
    split.push_back({text.substr(0, equals), text.substr(equals + 1)});
  }
  assignments = std::move(split);
  return true;
}

bool OptionInput::Apply(std::vector<Assignment> const& assignments) {
  for (bool protocols : {true, false})
    for (Assignment const& assignment : assignments)
      if (!ApplyOne(assignment, protocols)) return false;
  return true;
}

// The list is made afresh for each assignment: a protocol choice replaces a side's options.
bool OptionInput::ApplyOne(Assignment const& assignment, bool protocols) {
  VOptionList const list(m_record);
  VOption const* option = list.Find(assignment.name);
  // A name a protocol choice brings in is found in the second pass.
  if (!option) return protocols || Fail(NoOption(assignment.name));
  if ((option->Form() == VOptionForm::Protocol) != protocols) return true;
  if (protocols && !m_takesProtocols)
    return Fail("\"" + std::string(option->Name()) + "\" is a protocol choice, which is made session by session");
  VString error;
  return option->FromText(assignment.value, error) || Fail(error.Str());
}

bool OptionInput::Fail(std::string reason) {
  m_error = std::move(reason);
  return false;
}
