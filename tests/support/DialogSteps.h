// Script steps as the scripted presenter reads them, built in code for dialog tests.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/ui/DialogStep.h"

inline DialogStep Step(char const* name, std::vector<std::pair<char const*, std::string>> arguments = {}) {
  DialogStep step(name, 0);
  for (auto& [key, value] : arguments) step.SetArgument(key, std::move(value));
  return step;
}
inline DialogStep Set(int id, std::string value) {
  return Step("set", {{"control", std::to_string(id)}, {"value", std::move(value)}});
}
inline DialogStep Choose(int id, std::string item) {
  return Step("choose", {{"control", std::to_string(id)}, {"item", std::move(item)}});
}
inline DialogStep Press(int id) { return Step("command", {{"id", std::to_string(id)}}); }
inline DialogStep Select(char const* page) { return Step("select", {{"page", page}}); }
inline DialogStep Expand(char const* page) { return Step("expand", {{"page", page}}); }
// `steps` numbered in order, as a script file numbers them, so a failure names its step.
inline std::vector<DialogStep> Numbered(std::vector<DialogStep> const& steps) {
  std::vector<DialogStep> numbered;
  for (size_t i = 0; i < steps.size(); ++i) {
    numbered.emplace_back(steps[i].Name(), static_cast<int>(i));
    for (auto const& [key, value] : steps[i].Arguments()) numbered.back().SetArgument(key, value);
  }
  return numbered;
}
