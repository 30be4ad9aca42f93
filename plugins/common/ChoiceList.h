// A closed set of named choices and the codes they are stored as. Names match ignoring the case
// of ASCII letters; Name gives the spelling to write back.
#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

class ChoiceList {
 public:
  struct Choice {
    char const* name;
    int code;
  };

  ChoiceList(std::initializer_list<Choice> choices) : m_choices(choices) {}

  // False, with `code` untouched, for a name outside the list.
  bool Find(std::string_view name, int& code) const;
  // Null for a code outside the list.
  char const* Name(int code) const;
  std::vector<Choice> const& Choices() const { return m_choices; }

 private:
  std::vector<Choice> m_choices;
};
