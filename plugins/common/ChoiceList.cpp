#include "ChoiceList.h"

#include <strings.h>

bool ChoiceList::Find(std::string_view name, int& code) const {
  for (Choice const& choice : m_choices) {
    std::string_view const candidate(choice.name);
    if (candidate.size() == name.size() && strncasecmp(candidate.data(), name.data(), name.size()) == 0) {
      code = choice.code;
      return true;
    }
  }
  return false;
}

char const* ChoiceList::Name(int code) const {
  for (Choice const& choice : m_choices)
    if (choice.code == code) return choice.name;
  return nullptr;
}
