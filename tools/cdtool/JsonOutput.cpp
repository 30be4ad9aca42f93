#include "JsonOutput.h"

#include "CommandOutput.h"

std::string JsonOutput::Dump(nlohmann::ordered_json const& document, int indent) {
  return document.dump(indent, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

int JsonOutput::Print(nlohmann::ordered_json const& document, int indent) {
  return CommandOutput::Print(Dump(document, indent) + '\n');
}

std::string JsonOutput::Plain(nlohmann::ordered_json const& value) {
  return value.is_string() ? value.get<std::string>() : Dump(value);
}

std::string JsonOutput::FieldLines(nlohmann::ordered_json const& object) {
  std::string lines;
  for (auto const& [field, value] : object.items())
    if (field != "ok") lines += field + ": " + Plain(value) + '\n';
  return lines;
}
