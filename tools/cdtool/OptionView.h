// How cdtool shows an option of the option model: the line NAME<tab>TYPE<tab>TEXT, or the JSON
// object {"name","type","value"}, whose value follows the form: numbers as JSON numbers, flags
// as booleans, text lists, lines and lists as arrays, everything else as its text (secrets
// masked, as the model gives them).
#pragma once

#include <nlohmann/json.hpp>

#include <string>

#include "VOptionForm.h"
#include "VString.h"

class VOption;

class OptionView {
 public:
  static nlohmann::ordered_json Json(VOption const& option);
  static nlohmann::ordered_json Json(std::string const& name, VOptionForm form, VString const& text);
  static std::string Line(VOption const& option);
  static std::string Line(std::string const& name, VOptionForm form, VString const& text);
  // The value of a text of `form`; the text itself where it does not read as that form.
  static nlohmann::ordered_json Value(VOptionForm form, VString const& text);
};
