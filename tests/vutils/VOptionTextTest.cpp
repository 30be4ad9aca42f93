// Taking option values from text: one table of inputs over every value class, and the list form.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "VMarginData.h"
#include "VOptionText.h"
#include "VProfile.h"
#include "VProfile2.h"
#include "VProfileBlob.h"
#include "VProfileCapiString.h"
#include "VProfileEncodedString.h"
#include "VProfileExplorerFrameState.h"
#include "VProfileListViewState.h"
#include "VProfileMultiLineString.h"
#include "VTextList.h"

namespace {

enum class Value { Number, Unsigned, Flag, Text, Encoded, Protected, Margins, Blob, Lines, ListView, Frame };

// A value named "Opt" holding its default, with a checkpoint.
std::unique_ptr<VProfileData> Make(Value value) {
  auto named = [](auto made) {
    made->SetName("Opt");
    made->Checkpoint();
    return std::unique_ptr<VProfileData>(std::move(made));
  };
  switch (value) {
    case Value::Number: return named(std::make_unique<VProfile<int>>());
    case Value::Unsigned: return named(std::make_unique<VProfile<unsigned int>>());
    case Value::Flag: return named(std::make_unique<VProfile<bool>>());
    case Value::Text: return named(std::make_unique<VProfile2<VString, VProfileSz>>());
    case Value::Encoded: return named(std::make_unique<VProfileEncodedString>());
    case Value::Protected: return named(std::make_unique<VProfileCapiString>());
    case Value::Margins: return named(std::make_unique<VProfile2<VMarginData, VProfileBinary>>());
    case Value::Blob: return named(std::make_unique<VProfileBlob>());
    case Value::Lines: return named(std::make_unique<VProfileMultiLineString>());
    case Value::ListView: return named(std::make_unique<VProfileListViewState>());
    case Value::Frame: return named(std::make_unique<VProfileExplorerFrameState>());
  }
  return nullptr;
}

std::string const kZeroMargins(64, '0');

TEST(VOptionTextTest, OneParserPerFormWithOneRefusal) {
  struct Case {
    Value value;
    std::string input;
    bool accepted;
    std::string text;  // the value's text afterwards
  } const cases[] = {
      {Value::Number, "2147483647", true, "2147483647"},
      {Value::Number, "-2147483648", true, "-2147483648"},
      {Value::Number, "2147483648", false, "0"},
      {Value::Number, "-2147483649", false, "0"},
      {Value::Number, "4294967295", false, "0"},
      {Value::Number, "0xffffffff", true, "-1"},
      {Value::Number, "0X80000000", true, "-2147483648"},
      {Value::Number, "0x100000000", false, "0"},
      {Value::Number, "0x0000000000ff", true, "255"},
      {Value::Number, "-0", true, "0"},
      {Value::Number, "007", true, "7"},
      {Value::Number, "0x-5", false, "0"},
      {Value::Number, "-0x5", false, "0"},
      {Value::Number, "0x", false, "0"},
      {Value::Number, "", false, "0"},
      {Value::Number, "-", false, "0"},
      {Value::Number, "+1", false, "0"},
      {Value::Number, " 1", false, "0"},
      {Value::Number, "1 ", false, "0"},
      {Value::Number, "1e3", false, "0"},
      {Value::Number, "99999999999999999999999", false, "0"},
      {Value::Unsigned, "4294967295", true, "4294967295"},
      {Value::Unsigned, "0xffffffff", true, "4294967295"},
      {Value::Unsigned, "4294967296", false, "0"},
      {Value::Unsigned, "-1", false, "0"},
      {Value::Unsigned, "-0", false, "0"},
      {Value::Unsigned, "0", true, "0"},
      {Value::Flag, "TRUE", true, "true"},
      {Value::Flag, "yes", true, "true"},
      {Value::Flag, "On", true, "true"},
      {Value::Flag, "1", true, "true"},
      {Value::Flag, "t", false, "false"},
      {Value::Flag, "2", false, "false"},
      {Value::Flag, " true", false, "false"},
      {Value::Flag, "", false, "false"},
      {Value::Text, " spaced ", true, " spaced "},
      {Value::Text, "", true, ""},
      {Value::Text, std::string("a\0b", 3), false, ""},
      {Value::Encoded, "hunter2", true, "********"},
      {Value::Encoded, std::string(1019, 'x'), true, "********"},
      {Value::Encoded, std::string(1020, 'x'), false, ""},
      {Value::Encoded, "********", true, ""},  // the mask keeps the secret: here, none
      {Value::Protected, "hunter2", true, "********"},
      {Value::Protected, std::string("a\0b", 3), false, ""},
      {Value::Margins, "000000000000e03f" + std::string(48, '0'), true, "000000000000e03f" + std::string(48, '0')},
      {Value::Margins, "000000000000E03F" + std::string(48, '0'), true, "000000000000e03f" + std::string(48, '0')},
      {Value::Margins, std::string(62, '0'), false, kZeroMargins},
      {Value::Margins, std::string(66, '0'), false, kZeroMargins},
      {Value::Margins, "0g" + std::string(62, '0'), false, kZeroMargins},
      {Value::Margins, "", false, kZeroMargins},
      {Value::Blob, "00ff10", true, "00ff10"},
      {Value::Blob, "", true, ""},
      {Value::Blob, "0", false, ""},
      {Value::Blob, "00 ff", false, ""},
      {Value::Lines, "[]", true, "[]"},
      {Value::Lines, "[\"\"]", true, "[\"\"]"},
      {Value::Lines, " [ \"a\" , \"\" ,\"b\" ] ", true, "[\"a\",\"\",\"b\"]"},
      {Value::Lines, "[\"tab\\there\",\"q\\\"\\\\\",\"\\u00e9\\ud83d\\ude00\"]", true,
       "[\"tab\\there\",\"q\\\"\\\\\",\"\xc3\xa9\xf0\x9f\x98\x80\"]"},
      {Value::Lines, "[\"\\u001f\"]", true, "[\"\\u001f\"]"},
      {Value::Lines, "[\"\\u0000\"]", false, "[]"},
      {Value::Lines, "[\"\\ud83d\"]", false, "[]"},
      {Value::Lines, "[\"a\",]", false, "[]"},
      {Value::Lines, "[\"a\"] x", false, "[]"},
      {Value::Lines, "a", false, "[]"},
      {Value::Lines, "", false, "[]"},
      {Value::Lines, "[\"a\nb\"]", false, "[]"},
      {Value::ListView, "1,1,1,0,1,100,1,0", true, "1,1,1,0,1,100,1,0"},
      {Value::ListView, "1,1,1,0,2,100,1,0", false, ""},
      {Value::ListView, "1,1,-1,0,0", false, ""},
      {Value::Frame, "1,-1,200", true, "1,-1,200"},
      {Value::Frame, "1,2", false, ""},
      {Value::Frame, "", true, ""},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.value) << " \"" << c.input << "\"");
    std::unique_ptr<VProfileData> value = Make(c.value);
    VString error = "untouched";
    EXPECT_EQ(value->FromText(VString(c.input), error), c.accepted);
    EXPECT_EQ(value->ToText().Str(), c.text);
    if (c.accepted) {
      EXPECT_EQ(error, "untouched");
      continue;
    }
    // Names the option and the form; a secret's text is never repeated.
    EXPECT_TRUE(error.View().starts_with("\"Opt\" is ")) << error;
    bool const secret = value->Form() == VOptionForm::EncodedText || value->Form() == VOptionForm::ProtectedText;
    EXPECT_EQ(error.View().find("\"" + c.input + "\"") != std::string_view::npos, !secret) << error;
    EXPECT_FALSE(value->IsModified());
  }
}

TEST(VOptionTextTest, TakingTextChangesTheCurrentValueOnly) {
  VProfile<int> number;
  number.SetName("Port");
  number.Load(nullptr, 22);
  number.Checkpoint();
  VString error;
  ASSERT_TRUE(number.FromText("2222", error));
  EXPECT_TRUE(number.IsModified());
  number.Rollback();
  EXPECT_EQ(number.ToText(), "22");

  VProfileEncodedString secret;
  secret.SetName("Password");
  secret.Load(nullptr, "Password", "hunter2");
  ASSERT_TRUE(secret.FromText(VOptionText::kMask, error));
  EXPECT_EQ(secret.Current(), "hunter2") << "the shown mask fed back keeps the secret";
  EXPECT_EQ(secret.ToText(), "********");
}

TEST(VOptionTextTest, ListsFormatAndParseBackToThemselves) {
  VStringArray const lists[] = {{}, {""}, {"", ""}, {"a", "", "b"}, {"\"\\\n\r\t\x01\x7f", "\xff\xfe"}};
  for (VStringArray const& list : lists) {
    VStringArray parsed{"sentinel"};
    ASSERT_TRUE(VTextList::Parse(VTextList::Format(list).View(), parsed)) << VTextList::Format(list);
    EXPECT_EQ(parsed, list) << VTextList::Format(list);
  }
  VStringArray untouched{"sentinel"};
  EXPECT_FALSE(VTextList::Parse("[\"open", untouched));
  EXPECT_EQ(untouched, VStringArray{"sentinel"});
}

}  // namespace
