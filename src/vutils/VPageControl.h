// One control of a dialog page as data: what a front end draws (id, kind, label text, range or
// choices) and what the page moves between it and the settings (the option it edits, by
// stored name). Its value is the control's text as the user sees it: a check box holds
// "true" or "false", a list the choice shown, a colour its text in `colorForm`.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "VColorText.h"
#include "VControlKind.h"

class VPropertyTreePage;

class VPageControl {
 public:
  int id = 0;
  VControlKind kind = VControlKind::Label;
  std::string label;   // byte for byte, with its & mnemonic
  std::string option;  // the stored name of the option it edits; empty for none
  int minimum = 0;     // a number's range, both ends allowed
  int maximum = 0;
  std::vector<std::string> choices;
  // The option text each choice stands for, in the order of `choices`; empty when the choice
  // text is the option text itself.
  std::vector<std::string> choiceValues;
  VColorText::Form colorForm = VColorText::Form::Rgb;
  // A file or folder field's browse button: its id (pressed as a command), the chooser's title
  // and, for a file, its filter in the "Name (*.ext)|*.ext||" form.
  int browseId = 0;
  std::string chooserTitle;
  std::string filter;
  int enabledBy = 0;   // a check box that must be ticked for this control to be enabled; 0 none
  int disabledBy = 0;  // a check box that disables this control while ticked; 0 none
  std::function<void(VPropertyTreePage&)> onClick;  // a button's action

  std::string value;
  std::string shown;  // the value the settings put in last; an untouched control stores nothing
  bool enabled = true;
  bool visible = true;

  // Whether the user can put `text` into the control as it is; false, with `error` saying
  // why, for a control that takes no input, a check box given no flag or a list given no choice.
  bool Accepts(std::string const& text, std::string& error) const;
  // Normalises what Accepts let in (a check box keeps "true" or "false").
  void Take(std::string const& text);
  // Whether the value may go into the settings; false, with the standard message for the
  // user, for a number that is not one or lies outside its range, or a colour not in its form.
  bool Validate(std::string& message) const;
  // The settings' text `optionText` as the control shows it: a check box bound to a number is
  // ticked for any number but 0, a choice shows the choice standing for the text (a text no
  // choice stands for is shown as it is).
  void Load(std::string const& optionText);
  // The value as the option takes it; `numeric` for a check box bound to a number ("1", "0").
  std::string OptionText(bool numeric) const;
  // The colour a colour control shows; false when its text is none.
  bool ColorValue(COLORREF& color) const { return VColorText::Parse(colorForm, value, color); }
  // `color` as the text a colour control takes.
  std::string ColorText(COLORREF color) const { return VColorText::Format(colorForm, color); }
  // Whether pressing `id` browses for this file or folder field.
  bool BrowsesWith(int id) const {
    return browseId != 0 && id == browseId && (kind == VControlKind::File || kind == VControlKind::Folder);
  }
  bool TakesInput() const {
    return kind != VControlKind::Label && kind != VControlKind::Button && kind != VControlKind::Keyboard;
  }
};
