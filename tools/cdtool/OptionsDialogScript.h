// What the two option-dialog verbs share: the steps their scripts may take (the property tree,
// and the Mapped Keys page with the key dialogs it opens) and the help that describes them.
#pragma once

#include <string>

class HeadlessDialogPresenter;

class OptionsDialogScript {
 public:
  static void AddSteps(HeadlessDialogPresenter& presenter);
  // The footer of such a verb's help: the steps, `middle` (what is the verb's own), the output.
  static std::string Footer(std::string const& middle);
};
