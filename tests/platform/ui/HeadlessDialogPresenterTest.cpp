#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/types/UserInterfaceCodes.h"
#include "platform/ui/DialogModel.h"
#include "platform/ui/DialogPresenter.h"
#include "platform/ui/HeadlessDialogPresenter.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "platform/ui/UserInterface.h"

namespace {

// A dialog whose button 10 asks a question and a text, and whose button 20 opens a dialog
// of its own, so that one script runs through nested dialogs and the user interface.
class AskingDialog : public DialogModel {
 public:
  bool Command(int id, std::string& error) override {
    if (id == 10) {
      answers.push_back(GetUserInterface().MessageBox("Sure?", "", MB_YESNO));
      std::string text = "initial";
      GetUserInterface().PromptText("Name", "", text);
      texts.push_back(text);
      return true;
    }
    if (id == 20) {
      AskingDialog inner;
      innerCode = inner.DoModal();
      return true;
    }
    return DialogModel::Command(id, error);
  }
  std::vector<int> answers;
  std::vector<std::string> texts;
  int innerCode = 0;
};

DialogScript Script(std::vector<std::string> const& steps, std::vector<int> answers = {},
                    std::vector<std::string> texts = {}) {
  DialogScript script{{}, std::move(answers), std::move(texts)};
  for (std::string const& step : steps) {
    DialogStep parsed(step.substr(0, step.find(' ')), static_cast<int>(script.steps.size()));
    if (step.find(' ') != std::string::npos) parsed.SetArgument("id", step.substr(step.find(' ') + 1));
    script.steps.push_back(parsed);
  }
  return script;
}

class HeadlessDialogPresenterTest : public ::testing::Test {
 protected:
  HeadlessDialogPresenterTest() {
    SetUserInterface(&ui);
    SetDialogPresenter(&presenter);
  }
  ~HeadlessDialogPresenterTest() override {
    SetUserInterface(nullptr);
    SetDialogPresenter(nullptr);
  }
  HeadlessUserInterface ui;
  HeadlessDialogPresenter presenter;
};

TEST_F(HeadlessDialogPresenterTest, OneScriptAnswersBoxesAndPromptsThroughNestedDialogs) {
  ASSERT_TRUE(presenter.Play(Script({"command 10", "command 20", "command 10", "ok", "command 10", "cancel"},
                                    {IDNO, IDYES, IDNO}, {"first"}),
                             ui));
  AskingDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.innerCode, IDOK);
  EXPECT_EQ(dialog.answers, (std::vector<int>{IDNO, IDNO}));
  EXPECT_EQ(dialog.texts, (std::vector<std::string>{"first", "initial"})) << "no text left: the prompt is cancelled";
  EXPECT_FALSE(presenter.Finish());
}

TEST_F(HeadlessDialogPresenterTest, AFailedStepEndsEveryDialogAndLaterStepsStayUnplayed) {
  ASSERT_TRUE(presenter.Play(Script({"command 20", "command 99", "ok", "ok"}), ui));
  AskingDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.innerCode, IDCANCEL);
  ASSERT_TRUE(presenter.Finish());
  EXPECT_EQ(presenter.Finish()->step, 1);
  EXPECT_EQ(presenter.Finish()->error, "the dialog has no button 99");

  EXPECT_FALSE(presenter.Play(Script({"ok", "wave"}), ui));
  EXPECT_EQ(presenter.GetFailure()->step, 1);
  EXPECT_EQ(presenter.PendingSteps(), 0u);
  EXPECT_EQ(ui.PendingAnswers(), 0u);
}

TEST_F(HeadlessDialogPresenterTest, ADialogNobodyEndsIsCancelled) {
  AskingDialog dialog;
  SetDialogPresenter(nullptr);
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

}  // namespace
