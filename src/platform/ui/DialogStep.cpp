#include "platform/ui/DialogStep.h"

#include <charconv>

bool DialogStep::Text(std::string const& name, std::string& value, std::string& error) const {
  auto const found = m_arguments.find(name);
  if (found == m_arguments.end()) {
    error = "step \"" + m_name + "\" needs \"" + name + "\"";
    return false;
  }
  value = found->second;
  return true;
}

bool DialogStep::Integer(std::string const& name, int& value, std::string& error) const {
  std::string text;
  if (!Text(name, text, error)) return false;
  int parsed = 0;
  auto const [end, status] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (text.empty() || status != std::errc() || end != text.data() + text.size()) {
    error = "\"" + name + "\" of step \"" + m_name + "\" is not a number: \"" + text + "\"";
    return false;
  }
  value = parsed;
  return true;
}
