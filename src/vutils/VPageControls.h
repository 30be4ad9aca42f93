// Short declarations of page controls bound to options by stored name, for the
// pages' tables.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "VPageControl.h"

namespace VPageControls {

using Choices = std::vector<std::pair<std::string, std::string>>;

// The control's enabling check box (0: none).
inline VPageControl WithEnabledBy(VPageControl control, int enabledBy) {
  control.enabledBy = enabledBy;
  return control;
}

inline VPageControl Bound(int id, VControlKind kind, std::string label,
                          std::string option) {
  VPageControl control;
  control.id = id;
  control.kind = kind;
  control.label = std::move(label);
  control.option = std::move(option);
  return control;
}
// `enabledBy`: the check box that must be ticked for the control to be enabled
// (0: none).
inline VPageControl Check(int id, std::string label, std::string option,
                          int enabledBy = 0) {
  return WithEnabledBy(
      Bound(id, VControlKind::Check, std::move(label), std::move(option)),
      enabledBy);
}
inline VPageControl Edit(int id, std::string label, std::string option,
                         int enabledBy = 0) {
  return WithEnabledBy(
      Bound(id, VControlKind::Text, std::move(label), std::move(option)),
      enabledBy);
}
inline VPageControl Number(int id, std::string label, std::string option,
                           int minimum, int maximum, int enabledBy = 0) {
  VPageControl control =
      Bound(id, VControlKind::Number, std::move(label), std::move(option));
  control.minimum = minimum;
  control.maximum = maximum;
  return WithEnabledBy(std::move(control), enabledBy);
}
// A push button that runs `onClick` on its page.
inline VPageControl Action(int id, std::string label,
                           std::function<void(VPropertyTreePage &)> onClick) {
  VPageControl control = Bound(id, VControlKind::Button, std::move(label), "");
  control.onClick = std::move(onClick);
  return control;
}
// A colour button whose text takes the form the option keeps.
inline VPageControl Color(int id, std::string label, std::string option,
                          VColorText::Form form = VColorText::Form::Rgb,
                          int enabledBy = 0) {
  VPageControl control =
      Bound(id, VControlKind::Color, std::move(label), std::move(option));
  control.colorForm = form;
  return WithEnabledBy(std::move(control), enabledBy);
}
// A path's edit box with its browse button `browseId`, which opens a chooser
// titled `title`.
inline VPageControl Path(VControlKind kind, int id, std::string label,
                         std::string option, int browseId, std::string title) {
  VPageControl control = Bound(id, kind, std::move(label), std::move(option));
  control.browseId = browseId;
  control.chooserTitle = std::move(title);
  return control;
}
// `filter`: the chooser's file types, "Name (*.ext)|*.ext||".
inline VPageControl File(int id, std::string label, std::string option,
                         int browseId, std::string title,
                         std::string filter = "All Files (*)|*||") {
  VPageControl control = Path(VControlKind::File, id, std::move(label),
                              std::move(option), browseId, std::move(title));
  control.filter = std::move(filter);
  return control;
}
inline VPageControl Folder(int id, std::string label, std::string option,
                           int browseId, std::string title) {
  return Path(VControlKind::Folder, id, std::move(label), std::move(option),
              browseId, std::move(title));
}
// A list whose choices stand for the option texts paired with them.
inline VPageControl List(int id, std::string label, std::string option,
                         Choices const &choices) {
  VPageControl control =
      Bound(id, VControlKind::Choice, std::move(label), std::move(option));
  for (auto const &[shown, stored] : choices) {
    control.choices.push_back(shown);
    control.choiceValues.push_back(stored);
  }
  return control;
}

} // namespace VPageControls
