#include "DialogScriptReader.h"

#include <array>
#include <nlohmann/json.hpp>
#include <utility>

#include "platform/types/UserInterfaceCodes.h"

namespace {

using Json = nlohmann::json;
using Error = DialogScriptReader::Error;

bool Refuse(Error& error, std::string text, int step = -1) {
  error = Error{std::move(text), step};
  return false;
}

bool ReadButton(Json const& value, int& button) {
  static constexpr std::array<std::pair<char const*, int>, 4> buttons{
      {{"IDOK", IDOK}, {"IDCANCEL", IDCANCEL}, {"IDYES", IDYES}, {"IDNO", IDNO}}};
  if (!value.is_string()) return false;
  for (auto const& [name, code] : buttons) {
    if (value.get_ref<std::string const&>() == name) {
      button = code;
      return true;
    }
  }
  return false;
}

// A step argument's text: a text as it is, a whole number in decimal, a flag as true/false.
bool ArgumentText(Json const& value, std::string& text) {
  if (value.is_string()) {
    text = value.get<std::string>();
  } else if (value.is_number_integer()) {
    text = value.dump();
  } else if (value.is_boolean()) {
    text = value.get<bool>() ? "true" : "false";
  } else {
    return false;
  }
  return true;
}

bool ReadStep(Json const& value, int index, DialogStep& step, Error& error) {
  if (!value.is_object()) return Refuse(error, "a step must be an object", index);
  auto const name = value.find("do");
  if (name == value.end() || !name->is_string() || name->get_ref<std::string const&>().empty())
    return Refuse(error, "a step needs \"do\" with the step's name", index);
  step = DialogStep(name->get<std::string>(), index);
  for (auto const& [key, argument] : value.items()) {
    if (key == "do") continue;
    std::string text;
    if (!ArgumentText(argument, text))
      return Refuse(error, "\"" + key + "\" must be a text, a whole number or true/false", index);
    step.SetArgument(key, std::move(text));
  }
  return true;
}

bool ReadSteps(Json const& steps, DialogScript& script, Error& error) {
  if (!steps.is_array()) return Refuse(error, "\"steps\" must be a list");
  for (size_t i = 0; i < steps.size(); ++i) {
    DialogStep step;
    if (!ReadStep(steps[i], static_cast<int>(i), step, error)) return false;
    script.steps.push_back(std::move(step));
  }
  return true;
}

bool ReadAnswers(Json const& answers, DialogScript& script, Error& error) {
  if (!answers.is_array()) return Refuse(error, "\"answers\" must be a list");
  for (Json const& answer : answers) {
    int button = 0;
    if (!ReadButton(answer, button))
      return Refuse(error, "an answer must be \"IDYES\", \"IDNO\", \"IDOK\" or \"IDCANCEL\", not " +
                               answer.dump(-1, ' ', false, Json::error_handler_t::replace));
    script.answers.push_back(button);
  }
  return true;
}

bool ReadTexts(Json const& texts, DialogScript& script, Error& error) {
  if (!texts.is_array()) return Refuse(error, "\"texts\" must be a list");
  for (Json const& text : texts) {
    if (!text.is_string()) return Refuse(error, "every entry of \"texts\" must be a text");
    script.texts.push_back(text.get<std::string>());
  }
  return true;
}

}  // namespace

bool DialogScriptReader::Read(std::string_view text, DialogScript& script, Error& error) {
  Json const document = Json::parse(text.begin(), text.end(), nullptr, false);
  if (document.is_discarded()) return Refuse(error, "the script is not a JSON document");
  if (!document.is_object()) return Refuse(error, "the script must be an object with \"steps\", \"answers\", \"texts\"");
  DialogScript read;
  for (auto const& [key, value] : document.items()) {
    bool const ok = key == "steps"     ? ReadSteps(value, read, error)
                    : key == "answers" ? ReadAnswers(value, read, error)
                    : key == "texts"   ? ReadTexts(value, read, error)
                                       : Refuse(error, "unknown member \"" + key + "\" in the script");
    if (!ok) return false;
  }
  script = std::move(read);
  return true;
}
