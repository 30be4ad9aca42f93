#include "SessionOptionInput.h"

#include "GlobalOptionInput.h"
#include "ProductProtocol.h"
#include "SessionOptionList.h"
#include "VProfileEncodedString.h"
#include "VProfileKey.h"
#include "session/SessionConfig.h"

namespace {

VStringArray Lines(std::string const& text) {
  VStringArray lines;
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.Add(text.substr(start, end - start));
  if (!text.empty()) lines.Add(text.substr(start));
  return lines;
}

}  // namespace

bool SessionOptionInput::Apply(std::vector<std::string> const& assignments) {
  std::vector<Assignment> parsed(assignments.size());
  for (size_t i = 0; i < assignments.size(); ++i)
    if (!Split(assignments[i], parsed[i])) return false;
  for (bool protocols : {true, false})
    for (Assignment const& assignment : parsed)
      if (!ApplyOne(assignment, protocols)) return false;
  return true;
}

bool SessionOptionInput::Split(std::string const& text, Assignment& assignment) {
  size_t const equals = text.find('=');
  if (equals == std::string::npos || equals == 0) return Fail("\"" + text + "\" is not NAME=VALUE");
  assignment = {text.substr(0, equals), text.substr(equals + 1)};
  return true;
}

// The option list is made afresh for each assignment: a protocol switch changes it.
bool SessionOptionInput::ApplyOne(Assignment const& assignment, bool protocols) {
  SessionOptionList const list(m_session);
  SessionOption const* option = list.Find(assignment.name);
  if (!option)
    return protocols || Fail("no option named \"" + assignment.name + "\" in this session; `cdtool session show` lists them");
  if ((option->side != nullptr) != protocols) return true;
  if (option->side) return SetProtocol(*option, assignment.value);
  if (option->type == "list")
    return Fail("\"" + option->name + "\" is a list kept in a key of its own; it cannot be set here");
  if (!Stage(*option, assignment.value)) return false;
  option->owner->ProfileTable().LoadMember(*option->owner, option->index, m_scratch.Root());
  option->member->SetDirty(true);
  return true;
}

bool SessionOptionInput::SetProtocol(SessionOption const& option, std::string const& value) {
  std::string const name = ProductProtocol::TableName(option.side->Kind() == ConnectConfigPtr::Terminal, value);
  if (name.empty())
    return Fail("\"" + value + "\" is not a protocol of the protocol table for \"" + option.name +
                "\"; `cdtool protocols` lists them");
  if (option.side == &m_session.TerminalSide())
    m_session.SetTerminalProtocol(name.c_str());
  else
    m_session.SetTransferProtocol(name.c_str());
  return true;
}

bool SessionOptionInput::Stage(SessionOption const& option, std::string const& value) {
  VProfileKey* key = m_scratch.Root();
  if (option.type == "encoded text")
    return key->SetSz(option.name.c_str(), VProfileEncodedString::Encode(value).c_str());
  if (option.type == "lines") return key->SetMultiSz(option.name.c_str(), Lines(value));
  std::string type = option.type == "unsigned" ? "number" : option.type;
  size_t size = 0;
  if (type == "record" || type == "bytes") {
    size = type == "record" ? SessionOptionList::Value(option).get<std::string>().size() / 2 : 0;
    type = "record";
  }
  GlobalOptionInput input;
  if (!input.Parse(GlobalOption{option.name, type, nullptr, size}, value)) return Fail(input.Error());
  return input.WriteTo(*key);
}

bool SessionOptionInput::Fail(std::string reason) {
  m_error = std::move(reason);
  return false;
}
