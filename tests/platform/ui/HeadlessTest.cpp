#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "platform/types/UserInterfaceCodes.h"
#include "platform/ui/DialogModel.h"
#include "platform/ui/DialogPresenter.h"
#include "platform/ui/HeadlessDialogPresenter.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "platform/ui/UserInterface.h"
#include "support/DialogSteps.h"

namespace {

using Kind = ShownDialog::Kind;

TEST(HeadlessUserInterfaceTest, MessageBoxAnswersFromTheScriptOrWithTheDefaultButton) {
  struct Case { unsigned int type; std::vector<int> script; int expected; };
  Case const cases[] = {  // an empty script: nobody answers
      {MB_OK | MB_ICONWARNING, {}, IDOK}, {MB_OKCANCEL, {}, IDOK}, {MB_OKCANCEL, {IDCANCEL}, IDCANCEL},
      {MB_YESNO | MB_ICONQUESTION, {}, IDYES}, {MB_YESNO | MB_DEFBUTTON2, {}, IDNO}, {MB_YESNO, {IDNO}, IDNO},
      {MB_YESNO, {IDOK}, IDYES},  // a button the box does not offer
      {MB_YESNOCANCEL | MB_DEFBUTTON3, {}, IDCANCEL}, {MB_YESNOCANCEL, {IDCANCEL}, IDCANCEL},
      {MB_OK | MB_DEFBUTTON3, {}, IDOK},  // a default beyond the buttons falls back to the first
  };
  for (Case const& c : cases) {
    HeadlessUserInterface ui;
    for (int button : c.script) ui.Script(button);
    EXPECT_EQ(ui.MessageBox("text", "caption", c.type), c.expected) << std::hex << c.type;
    EXPECT_EQ(ui.PendingAnswers(), 0u);
  }
}

TEST(HeadlessUserInterfaceTest, RecordsEverythingShownInOrder) {
  HeadlessUserInterface ui;
  ui.Script(IDNO);
  ui.Script(IDOK, "/tmp/chosen.log");
  ui.Script(IDCANCEL, "ignored");
  EXPECT_EQ(ui.MessageBox("Apply to all?", "Options", MB_YESNO | MB_ICONQUESTION), IDNO);
  std::string path = "/tmp/start.log";
  EXPECT_TRUE(ui.ChooseFile(UserInterface::FileChooser::Save, "Pick", "a.log", "Log Files (*.log)|*.log||", path));
  EXPECT_EQ(path, "/tmp/chosen.log");
  std::string text = "initial";
  EXPECT_FALSE(ui.PromptText("Name:", "Rename", text));
  EXPECT_EQ(text, "initial");
  std::string unscripted = "/tmp/keep";
  EXPECT_FALSE(ui.ChooseFile(UserInterface::FileChooser::Open, "", "", "", unscripted));
  EXPECT_EQ(unscripted, "/tmp/keep");
  auto fields = [](ShownDialog const& d) {
    return std::tie(d.kind, d.text, d.caption, d.type, d.initial, d.answer, d.answerText, d.proposedName);
  };
  ShownDialog const expected[] = {
      {Kind::MessageBox, "Apply to all?", "Options", MB_YESNO | MB_ICONQUESTION, "", IDNO, "", "", {}, ""},
      {Kind::SaveFile, "Log Files (*.log)|*.log||", "Pick", 0, "/tmp/start.log", IDOK, "/tmp/chosen.log", "a.log", {}, ""},
      {Kind::TextPrompt, "Name:", "Rename", 0, "initial", IDCANCEL, "", "", {}, ""},
      {Kind::OpenFile, "", "", 0, "/tmp/keep", IDCANCEL, "", "", {}, ""},
  };
  ASSERT_EQ(ui.Shown().size(), std::size(expected));
  for (size_t i = 0; i < std::size(expected); ++i) EXPECT_TRUE(fields(ui.Shown()[i]) == fields(expected[i])) << i;
}

TEST(HeadlessUserInterfaceTest, AnswersThatRunOutOrDoNotFitTakeTheDefault) {
  enum class Ask { Box, Chooser, Prompt, Offer };
  // answers: the button each question ended with; lastText: what choosers and prompts left in their text
  struct Case { bool textsApart; std::vector<ScriptedAnswer> script; std::vector<std::string> texts;
                std::vector<Ask> asks; std::vector<int> answers; std::string lastText; size_t pending; } const cases[] = {
      {false, {{IDYES, "a.log"}}, {}, {Ask::Chooser}, {IDCANCEL}, "start", 0},  // not a chooser's button
      {false, {{IDOK, "a.log"}}, {}, {Ask::Chooser, Ask::Prompt}, {IDOK, IDCANCEL}, "a.log", 0},
      {false, {{IDOK, "text"}}, {}, {Ask::Box, Ask::Prompt}, {IDYES, IDCANCEL}, "start", 0},
      {true, {{IDNO, ""}}, {"typed"}, {Ask::Prompt, Ask::Box}, {IDOK, IDNO}, "typed", 0},
      {true, {{IDNO, ""}}, {}, {Ask::Chooser, Ask::Box, Ask::Prompt}, {IDCANCEL, IDNO, IDCANCEL}, "start", 0},
      {true, {}, {"one", "two"}, {Ask::Prompt}, {IDOK}, "one", 1},
      {false, {{7, ""}, {3, ""}}, {}, {Ask::Offer, Ask::Offer, Ask::Offer}, {2, 3, 2}, "start", 0},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    Case const& c = cases[i];
    SCOPED_TRACE(i);
    HeadlessUserInterface ui;
    if (c.textsApart) ui.SeparateTexts();
    for (ScriptedAnswer const& answer : c.script) ui.Script(answer);
    for (std::string const& text : c.texts) ui.ScriptText(text);
    std::string text = "start";
    for (Ask ask : c.asks) switch (ask) {
        case Ask::Box: ui.MessageBox("Sure?", "", MB_YESNO); break;
        case Ask::Chooser: ui.ChooseFile(UserInterface::FileChooser::Open, "", "", "", text); break;
        case Ask::Prompt: ui.PromptText("Name:", "", text); break;
        case Ask::Offer: ui.OfferUpgrade(UpgradeOffer{}); break;
      }
    std::vector<int> answers;
    for (ShownDialog const& shown : ui.Shown()) answers.push_back(shown.answer);
    EXPECT_EQ(answers, c.answers);
    EXPECT_EQ(text, c.lastText);
    EXPECT_EQ(ui.PendingAnswers(), c.pending);
  }
}

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
      innerCode = AskingDialog().DoModal();
      return true;
    }
    return DialogModel::Command(id, error);
  }
  std::vector<int> answers;
  std::vector<std::string> texts;
  int innerCode = 0;
};

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
  std::vector<DialogStep> const steps{Press(10), Press(20), Press(10), Step("ok"), Press(10), Step("cancel")};
  ASSERT_TRUE(presenter.Play(DialogScript{Numbered(steps), {IDNO, IDYES, IDNO}, {"first"}}, ui));
  AskingDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.innerCode, IDOK);
  EXPECT_EQ(dialog.answers, (std::vector<int>{IDNO, IDNO}));
  EXPECT_EQ(dialog.texts, (std::vector<std::string>{"first", "initial"})) << "no text left: the prompt is cancelled";
  EXPECT_FALSE(presenter.Finish());
}

TEST_F(HeadlessDialogPresenterTest, AFailedStepEndsEveryDialogAndLaterStepsStayUnplayed) {
  ASSERT_TRUE(presenter.Play(DialogScript{Numbered({Press(20), Press(99), Step("ok"), Step("ok")}), {}, {}}, ui));
  AskingDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.innerCode, IDCANCEL);
  ASSERT_TRUE(presenter.Finish());
  EXPECT_EQ(presenter.Finish()->step, 1);
  EXPECT_EQ(presenter.Finish()->error, "the dialog has no button 99");
  EXPECT_FALSE(presenter.Play(DialogScript{Numbered({Step("ok"), Step("wave")}), {}, {}}, ui));
  EXPECT_EQ(presenter.GetFailure()->step, 1);
  EXPECT_EQ(presenter.PendingSteps(), 0u);
  EXPECT_EQ(ui.PendingAnswers(), 0u);
  SetDialogPresenter(nullptr);
  EXPECT_EQ(AskingDialog().DoModal(), IDCANCEL) << "a dialog nobody ends is cancelled";
}

}  // namespace
