// Colour and path controls of a dialog page: the colour texts each form takes and gives back, and
// the browse buttons of file and folder fields through the user interface's chooser.
#include <gtest/gtest.h>

#include "VPageControls.h"
#include "VPropertyTreePage.h"
#include "platform/types/UserInterfaceCodes.h"
#include "platform/ui/HeadlessUserInterface.h"

namespace {

using Form = VColorText::Form;

TEST(VColorTextTest, EachFormTakesItsOwnTextAndGivesItBackByteForByte) {
  // `formatted` is what the colour taken is written as; empty where the text is refused.
  struct Case { Form form; std::string text; COLORREF color; std::string formatted; };
  Case const cases[] = {
      {Form::Rgb, "000000", 0x000000, "000000"}, {Form::Rgb, "FFFFFF", 0xFFFFFF, "FFFFFF"},
      {Form::Rgb, "ff8000", 0x0080FF, "FF8000"},  // red lands in the low byte
      {Form::Rgb, "123456", 0x563412, "123456"}, {Form::Rgb, "12345", 0, ""}, {Form::Rgb, "1234567", 0, ""},
      {Form::Rgb, "12345G", 0, ""}, {Form::Rgb, "+12345", 0, ""}, {Form::Rgb, " 12345", 0, ""}, {Form::Rgb, "", 0, ""},
      {Form::Number, "0", 0, "0"}, {Form::Number, "16777215", 0xFFFFFF, "16777215"}, {Form::Number, "255", 0xFF, "255"},
      {Form::Number, "007", 7, "7"}, {Form::Number, "16777216", 0, ""}, {Form::Number, "-1", 0, ""},
      {Form::Number, "0x10", 0, ""}, {Form::Number, "FF", 0, ""}, {Form::Number, "", 0, ""},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.text);
    bool const taken = !c.formatted.empty();
    COLORREF color = 0xABCDEF;
    EXPECT_EQ(VColorText::Parse(c.form, c.text, color), taken);
    EXPECT_EQ(color, taken ? c.color : 0xABCDEF);
    EXPECT_EQ(taken ? VColorText::Format(c.form, color) : "", c.formatted);
    VPageControl control = VPageControls::Color(1, "C&olor:", "", c.form);
    std::string error, message;
    ASSERT_TRUE(control.Accepts(c.text, error));  // refused when the page is left
    control.Take(c.text);
    EXPECT_EQ(control.Validate(message), taken);
    EXPECT_EQ(message, taken ? "" : VColorText::Refusal(c.form));
  }
  EXPECT_EQ(VColorText::Format(Form::Number, 0xFF123456), "1193046");  // the high byte is no colour
}

class PathFieldTest : public ::testing::Test {
 protected:
  PathFieldTest() { SetUserInterface(&ui); }
  ~PathFieldTest() override { SetUserInterface(nullptr); }
  HeadlessUserInterface ui;
  VPropertyTreePage page{1, "Files",
                         {VPageControls::Check(10, "&Log", ""),
                          VPageControls::File(11, "&File:", "", 12, "Pick a log", "Logs (*.log)|*.log||"),
                          VPageControls::Folder(13, "F&older:", "", 14, "Pick a folder"),
                          VPageControls::WithEnabledBy(VPageControls::File(15, "&Other:", "", 16, "Other"), 10)}};
};

TEST_F(PathFieldTest, BrowseButtonsAskTheChooserOfTheirKindAndFillTheirField) {
  page.OnSetActive();
  std::string error;
  ASSERT_TRUE(page.SetControl(11, "/var/old.log", error));
  ui.SeparateTexts();
  ui.ScriptText("/var/new.log");
  ASSERT_TRUE(page.Command(12, error)) << error;
  ui.ScriptText("/srv/data");
  ASSERT_TRUE(page.Command(14, error)) << error;
  EXPECT_EQ(page.FocusControl(), 13);  // the field filled, as if typed
  ASSERT_TRUE(page.Command(14, error));  // cancelled: nothing scripted
  ASSERT_EQ(ui.Shown().size(), 3u);
  auto const& shown = ui.Shown();
  EXPECT_TRUE(shown[0].kind == ShownDialog::Kind::OpenFile && shown[1].kind == ShownDialog::Kind::Folder);
  EXPECT_EQ(shown[0].caption + "|" + shown[0].text + "|" + shown[0].initial,
            "Pick a log|Logs (*.log)|*.log|||/var/old.log");
  EXPECT_EQ(shown[1].caption + "|" + shown[2].initial, "Pick a folder|/srv/data");
  EXPECT_EQ(page.Control(11)->value + "|" + page.Control(13)->value, "/var/new.log|/srv/data");
}

TEST_F(PathFieldTest, BrowseIdsAreButtonsOnlyWhileTheirFieldIsUsable) {
  page.OnSetActive();
  std::pair<int, std::string> const refusals[] = {
      {16, "control 15 is disabled"}, {11, "control 11 is not a button"}, {99, "page \"Files\" has no control 99"}};
  std::string error;
  for (auto const& [id, refusal] : refusals) {
    EXPECT_FALSE(page.Command(id, error)) << id;
    EXPECT_EQ(error, refusal) << id;
  }
  EXPECT_FALSE(page.SetControl(12, "/x", error));  // a browse button holds no text
  ASSERT_TRUE(page.SetControl(10, "true", error));
  EXPECT_TRUE(page.Command(16, error)) << error;
  EXPECT_TRUE(ui.Shown().size() == 1u && ui.Shown()[0].caption == "Other");
}

}  // namespace
