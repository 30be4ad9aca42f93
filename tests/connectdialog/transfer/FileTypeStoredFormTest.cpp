#include "transfer/FileTypeStoredForm.h"

#include <gtest/gtest.h>

#include "support/Joined.h"
#include "support/ScopedEnv.h"
#include "transfer/IconLocation.h"

namespace {

std::string Strings(VStringArray const& list) {
  std::string strings;
  for (VString const& s : list) strings += (strings.empty() ? "" : ",") + s.Str();
  return strings;
}

TEST(FileTypeStoredFormTest, ReadsEachPositionAndRoundTrips) {
  // Then the name, item data, extensions, icon index, open action and transfer type read.
  std::pair<VStringArray, char const*> const cases[] = {
      {{"open %1", "3", "icon", "txt|log", "2", "1"}, "Name|-1|txt,log|3|2|1"},
      {{"", " 12abc", "", " \t|txt||tar.gz|", "+4", "x"}, "Name|-1|txt,tar.gz|12|4|0"},
      {{"", "", "", "", "", ""}, "Name|-1||0|0|0"},
      // A list of fewer than six strings keeps every default.
      {{"open %1", "3", "icon", "txt", "2"}, "Name|-1||0|1|0"}, {{}, "Name|-1||0|1|0"},
  };
  for (auto const& [stored, expected] : cases) {
    FileTypeDefinition type;
    type.itemData = 9;
    FileTypeStoredForm::Read("Name", stored, type);
    EXPECT_EQ(Joined(type.typeName, type.itemData, Strings(type.extensions), type.iconIndex, type.openAction,
                     type.transferType), expected);
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
    EXPECT_EQ(Joined(location.file, location.index), Joined(c.file, c.index)) << c.value;
  }
  IconLocation untouched{"kept", 7};
  EXPECT_FALSE(IconLocation::Parse("\"no closing quote,1", untouched));
  EXPECT_EQ(Joined(untouched.file, untouched.index), "kept|7");
}

}  // namespace
