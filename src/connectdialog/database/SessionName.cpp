#include "database/SessionName.h"

#include "database/SessionDatabase.h"

std::string SessionName::Problem(std::string const& name) {
  if (name.empty() || name.find_first_of(kForbidden) != std::string::npos)
    return "\"" + name + "\" is not a name: it must not be empty or hold any of \\ / : * ? \" < > |";
  if (!SessionDatabase::NameFits(name)) return TooLong(name);
  if (name == "__FolderData__" || name == "_@@TMP@@_") return "\"" + name + "\" is reserved";
  return {};
}

std::string SessionName::TooLong(std::string const& name) {
  return "\"" + name + "\" is too long: a name has at most " + std::to_string(SessionDatabase::kMaxNameBytes) +
         " bytes, this one " + std::to_string(name.size());
}

std::string SessionName::Safe(std::string name) {
  for (char& c : name)
    if (std::string_view(kForbidden).find(c) != std::string_view::npos) c = '_';
  return name;
}
