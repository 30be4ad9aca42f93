// The option dialogs' world for one test: the products asked for installed, an empty protocol
// table, no tree state left by another test, and a headless user interface and script presenter
// (with the property-tree steps) installed; all of it undone afterwards.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "VOptionList.h"
#include "VOptionText.h"
#include "VPropertyTreeSteps.h"
#include "dialogs/GlobalOptionsDialog.h"
#include "dialogs/SessionOptionsDialog.h"
#include "library/LibraryState.h"
#include "library/ProductInfo.h"
#include "platform/ui/DialogPresenter.h"
#include "platform/ui/HeadlessDialogPresenter.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "platform/ui/UserInterface.h"
#include "session/ConnectProtocolTable.h"
#include "support/DialogSteps.h"
#include "support/RegisterProtocolRow.h"

// The parts' steps one after the other.
inline std::vector<DialogStep> Joined(std::vector<std::vector<DialogStep>> const& parts) {
  std::vector<DialogStep> steps;
  for (auto const& part : parts) steps.insert(steps.end(), part.begin(), part.end());
  return steps;
}

class HeadlessDialogs {
 public:
  HeadlessDialogs(bool terminal, bool transfer) {
    Reset();
    IsHaloKorvo_Korvo_Installed(terminal);
    IsHaloFyx_Installed(transfer);
    SetUserInterface(&ui);
    VPropertyTreeSteps::AddTo(presenter);
    SetDialogPresenter(&presenter);
  }
  ~HeadlessDialogs() {
    SetDialogPresenter(nullptr);
    SetUserInterface(nullptr);
    IsHaloKorvo_Korvo_Installed(false);
    IsHaloFyx_Installed(false);
    Reset();
  }
  HeadlessDialogs(HeadlessDialogs const&) = delete;
  HeadlessDialogs& operator=(HeadlessDialogs const&) = delete;

  // Registers built-in protocol rows {row, product} from the built hosts as a host does; row -1 is "None".
  static void Register(std::vector<std::pair<int, int>> const& rows) {
    for (auto [row, product] : rows)
      EXPECT_TRUE(RegisterProtocolRow(row < 0 ? nullptr : BUILT_HOST_BASE_DIR, std::max(row, 0), product)) << row;
  }
  // Runs `dialog` modally over the steps, answering message boxes and choosers from the script.
  int Run(DialogModel& dialog, std::vector<DialogStep> const& steps, std::vector<int> answers = {},
          std::vector<std::string> texts = {}) {
    EXPECT_TRUE(presenter.Play(DialogScript{Numbered(steps), std::move(answers), std::move(texts)}, ui));
    int const code = dialog.DoModal();
    EXPECT_FALSE(presenter.Finish()) << presenter.GetFailure()->error << " at step " << presenter.GetFailure()->step;
    return code;
  }
  // Puts each value into its control as a user would; a refused one fails the test.
  static void Type(DialogModel& dialog, std::vector<std::pair<int, std::string>> const& values) {
    std::string error;
    for (auto const& [id, value] : values) ASSERT_TRUE(dialog.SetControl(id, value, error)) << id << ": " << error;
  }
  static void Click(DialogModel& dialog, int id) {
    std::string error;
    ASSERT_TRUE(dialog.Command(id, error)) << id << ": " << error;
  }
  // A value other than the control's own that it takes: the other state of a check, the other end
  // of a number's range, the other of the first two choices, another colour, or its text and "7".
  static std::string OtherValue(VPageControl const& control) {
    switch (control.kind) {
      case VControlKind::Check: return control.value == "true" ? "false" : "true";
      case VControlKind::Number:
        return std::to_string(control.value == std::to_string(control.minimum) ? control.maximum : control.minimum);
      case VControlKind::Choice: return control.choices[control.value == control.choices[0] ? 1 : 0];
      case VControlKind::Color:
        return control.ColorText(control.value == control.ColorText(0x123456) ? 0x654321 : 0x123456);
      default: return control.value + "7";
    }
  }
  // How the option a control is bound to shows the control's value once stored; secrets masked.
  static std::string StoredText(VPageControl const& control, VOption const& option) {
    if (option.Form() == VOptionForm::EncodedText) return VOptionText::kMask;
    return control.OptionText(option.Form() == VOptionForm::Number || option.Form() == VOptionForm::Unsigned);
  }
  // The tree as "label@depth" in display order.
  static std::vector<std::string> Tree(VPropertyTreeDialog const& dialog) {
    std::vector<std::string> items;
    for (VTreeItem item : dialog.Tree().AllItems())
      items.push_back(dialog.Tree().Label(item) + "@" + std::to_string(dialog.Tree().Depth(item)));
    return items;
  }
  static bool Select(VPropertyTreeDialog& dialog, std::string const& label) {
    return dialog.SelectItem(dialog.FindItem(label));
  }
  // The texts of the message boxes shown since the last call.
  std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    for (size_t i = m_seen; i < ui.Shown().size(); ++i)
      if (ui.Shown()[i].kind == ShownDialog::Kind::MessageBox) texts.push_back(ui.Shown()[i].text);
    m_seen = ui.Shown().size();
    return texts;
  }

  HeadlessUserInterface ui;
  HeadlessDialogPresenter presenter;

 private:
  static void Reset() {
    GlobalOptionsDialog::DeleteStateMap();
    SessionOptionsDialog::DeleteStateMap();
    GetConnectProtocolTable().RemoveAll();
  }

  size_t m_seen = 0;
};
