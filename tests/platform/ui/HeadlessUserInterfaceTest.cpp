#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/HeadlessUserInterface.h"

namespace {

using Kind = ShownDialog::Kind;

TEST(HeadlessUserInterfaceTest, MessageBoxAnswersFromTheScriptOrWithTheDefaultButton) {
  struct Case {
    unsigned int type;
    std::vector<int> script;  // empty: nobody answers
    int expected;
  };
  Case const cases[] = {
      {MB_OK | MB_ICONWARNING, {}, IDOK},
      {MB_OKCANCEL, {}, IDOK},
      {MB_OKCANCEL, {IDCANCEL}, IDCANCEL},
      {MB_YESNO | MB_ICONQUESTION, {}, IDYES},
      {MB_YESNO | MB_DEFBUTTON2, {}, IDNO},
      {MB_YESNO, {IDNO}, IDNO},
      {MB_YESNO, {IDOK}, IDYES},  // a button the box does not offer
      {MB_YESNOCANCEL | MB_DEFBUTTON3, {}, IDCANCEL},
      {MB_YESNOCANCEL, {IDCANCEL}, IDCANCEL},
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

  std::vector<ShownDialog> const& shown = ui.Shown();
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[0].kind, Kind::MessageBox);
  EXPECT_EQ(shown[0].text, "Apply to all?");
  EXPECT_EQ(shown[0].caption, "Options");
  EXPECT_EQ(shown[0].type, MB_YESNO | MB_ICONQUESTION);
  EXPECT_EQ(shown[0].answer, IDNO);
  EXPECT_EQ(shown[1].kind, Kind::SaveFile);
  EXPECT_EQ(shown[1].text, "Log Files (*.log)|*.log||");
  EXPECT_EQ(shown[1].caption, "Pick");
  EXPECT_EQ(shown[1].proposedName, "a.log");
  EXPECT_EQ(shown[1].initial, "/tmp/start.log");
  EXPECT_EQ(shown[1].answerText, "/tmp/chosen.log");
  EXPECT_EQ(shown[2].kind, Kind::TextPrompt);
  EXPECT_EQ(shown[2].initial, "initial");
  EXPECT_EQ(shown[2].answer, IDCANCEL);
  EXPECT_EQ(shown[2].answerText, "");
  EXPECT_EQ(shown[3].kind, Kind::OpenFile);
  EXPECT_EQ(shown[3].answer, IDCANCEL);
}

}  // namespace
