#include "transfer/FileTypeStoredForm.h"

#include <gtest/gtest.h>

#include "support/ScopedEnv.h"
#include "transfer/IconLocation.h"

namespace {

std::vector<std::string> Strings(VStringArray const& list) {
  std::vector<std::string> strings;
  for (VString const& s : list) strings.push_back(s.Str());
  return strings;
}

TEST(FileTypeStoredFormTest, ReadsEachPositionAndRoundTrips) {
  struct Case { VStringArray stored; std::vector<std::string> extensions; int iconIndex; int openAction;
      int transferType; };
  Case const cases[] = {
      {{"open %1", "3", "icon", "txt|log", "2", "1"}, {"txt", "log"}, 3, 2, 1},
      {{"", " 12abc", "", " \t|txt||tar.gz|", "+4", "x"}, {"txt", "tar.gz"}, 12, 4, 0},
      {{"", "", "", "", "", ""}, {}, 0, 0, 0},
      // A list of fewer than six strings keeps every default.
      {{"open %1", "3", "icon", "txt", "2"}, {}, 0, 1, 0}, {{}, {}, 0, 1, 0},
  };
  for (Case const& c : cases) {
    FileTypeDefinition type;
    type.itemData = 9;
    FileTypeStoredForm::Read("Name", c.stored, type);
    SCOPED_TRACE(c.stored.GetSize());
    EXPECT_EQ(type.typeName, "Name");
    EXPECT_EQ(type.itemData, -1);
    EXPECT_EQ(Strings(type.extensions), c.extensions);
    EXPECT_EQ(type.iconIndex, c.iconIndex);
    EXPECT_EQ(type.openAction, c.openAction);
    EXPECT_EQ(type.transferType, c.transferType);
    FileTypeDefinition again;
    FileTypeStoredForm::Read("Name", FileTypeStoredForm::Write(type), again);
    EXPECT_EQ(FileTypeStoredForm::Write(again), FileTypeStoredForm::Write(type));
  }
}

TEST(IconLocationTest, ParsesRegisteredIconValues) {
  ScopedEnv icons("BV_TEST_ICONS", "/opt/icons");
  ScopedEnv unset("BV_TEST_UNSET", nullptr);
  struct Case { char const* value; char const* file; int index; };
  Case const cases[] = {
      {"folder", "folder", 0}, {"shell,3", "shell", 3}, {"a,b,-2", "a,b", -2},
      {"\"C:\\x,y\\app.exe\",5", "C:\\x,y\\app.exe", 5}, {"\"quoted\"", "quoted", 0},
      {"%BV_TEST_ICONS%/a.png,1", "/opt/icons/a.png", 1},
      {"%BV_TEST_UNSET%/%BV_TEST_ICONS%", "%BV_TEST_UNSET%//opt/icons", 0},
      {"50%", "50%", 0}, {",4", "", 4}, {"", "", 0},
  };
  for (Case const& c : cases) {
    IconLocation location;
    ASSERT_TRUE(IconLocation::Parse(c.value, location)) << c.value;
    EXPECT_EQ(location.file, c.file) << c.value;
    EXPECT_EQ(location.index, c.index) << c.value;
  }
  IconLocation untouched{"kept", 7};
  EXPECT_FALSE(IconLocation::Parse("\"no closing quote,1", untouched));
  EXPECT_EQ(untouched.file, "kept");
  EXPECT_EQ(untouched.index, 7);
}

}  // namespace
