#include "VPageControl.h"

#include <algorithm>
#include <charconv>

#include "VOptionText.h"

namespace {

// Decimal only, as an edit box for numbers reads it: an optional minus sign and digits.
bool ParseDecimal(std::string const& text, long long& number) {
  char const* begin = text.data();
  char const* end = begin + text.size();
  auto const [stop, status] = std::from_chars(begin, end, number);
  return !text.empty() && status == std::errc() && stop == end;
}

}  // namespace

bool VPageControl::Accepts(std::string const& text, std::string& error) const {
  std::string const name = "control " + std::to_string(id);
  bool flag = false;
  switch (kind) {
    case VControlKind::Label:
    case VControlKind::Button:
    case VControlKind::Keyboard:
      error = name + " takes no input";
      return false;
    case VControlKind::Check:
      if (VOptionText::ParseFlag(text, flag)) return true;
      error = name + " is a check box: \"true\" or \"false\", not \"" + text + "\"";
      return false;
    case VControlKind::Choice:
      if (std::find(choices.begin(), choices.end(), text) != choices.end()) return true;
      error = "\"" + text + "\" is not a choice of " + name;
      return false;
    case VControlKind::Text:
    case VControlKind::Number:
    case VControlKind::Color:
    case VControlKind::File:
    case VControlKind::Folder:
      if (text.find('\0') == std::string::npos) return true;
      error = name + " takes no zero bytes";
      return false;
  }
  return false;
}

void VPageControl::Take(std::string const& text) {
  bool flag = false;
  value = kind == VControlKind::Check && VOptionText::ParseFlag(text, flag) ? VOptionText::FlagText(flag).Str() : text;
}

bool VPageControl::Validate(std::string& message) const {
  COLORREF ignored = 0;
  if (kind == VControlKind::Color && !ColorValue(ignored)) {
    message = VColorText::Refusal(colorForm);
    return false;
  }
  if (kind != VControlKind::Number) return true;
  long long number = 0;
  if (!ParseDecimal(value, number)) {
    message = "Please enter an integer.";
    return false;
  }
  if (number < minimum || number > maximum) {
    message = "Please enter an integer between " + std::to_string(minimum) + " and " + std::to_string(maximum) + ".";
    return false;
  }
  return true;
}

void VPageControl::Load(std::string const& optionText) {
  bool flag = false;
  if (kind == VControlKind::Check) {
    value = VOptionText::FlagText(VOptionText::ParseFlag(optionText, flag) ? flag : optionText != "0").Str();
  } else {
    auto const found = std::find(choiceValues.begin(), choiceValues.end(), optionText);
    size_t const at = found - choiceValues.begin();
    value = kind == VControlKind::Choice && at < choices.size() ? choices[at] : optionText;
  }
}

std::string VPageControl::OptionText(bool numeric) const {
  if (kind == VControlKind::Check && numeric) return value == "true" ? "1" : "0";
  size_t const at = std::find(choices.begin(), choices.end(), value) - choices.begin();
  return kind == VControlKind::Choice && at < choiceValues.size() ? choiceValues[at] : value;
}
