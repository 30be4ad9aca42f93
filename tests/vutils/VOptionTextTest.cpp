// Taking option values from text: one table of inputs over every value class, and the list form.
#include <gtest/gtest.h>

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
  auto made = [value]() -> std::unique_ptr<VProfileData> {
    switch (value) {
      case Value::Number: return std::make_unique<VProfile<int>>();
      case Value::Unsigned: return std::make_unique<VProfile<unsigned int>>();
      case Value::Flag: return std::make_unique<VProfile<bool>>();
      case Value::Text: return std::make_unique<VProfile2<VString, VProfileSz>>();
      case Value::Encoded: return std::make_unique<VProfileEncodedString>();
      case Value::Protected: return std::make_unique<VProfileCapiString>();
      case Value::Margins: return std::make_unique<VProfile2<VMarginData, VProfileBinary>>();
      case Value::Blob: return std::make_unique<VProfileBlob>();
      case Value::Lines: return std::make_unique<VProfileMultiLineString>();
      case Value::ListView: return std::make_unique<VProfileListViewState>();
      case Value::Frame: return std::make_unique<VProfileExplorerFrameState>();
    }
    return nullptr;
  }();
  made->SetName("Opt");
  made->Checkpoint();
  return made;
}

std::string const kMargins = "000000000000e03f" + std::string(48, '0');

TEST(VOptionTextTest, OneParserPerFormWithOneRefusal) {
  struct Taken { Value value; std::string input, text; };  // `text`: the value's text afterwards
  Taken const taken[] = {
      {Value::Number, "2147483647", "2147483647"},   {Value::Number, "-2147483648", "-2147483648"},
      {Value::Number, "0xffffffff", "-1"},           {Value::Number, "0X80000000", "-2147483648"},
      {Value::Number, "0x0000000000ff", "255"},      {Value::Number, "-0", "0"},
      {Value::Number, "007", "7"},                   {Value::Unsigned, "4294967295", "4294967295"},
      {Value::Unsigned, "0xffffffff", "4294967295"}, {Value::Unsigned, "0", "0"},
      {Value::Flag, "TRUE", "true"},                 {Value::Flag, "yes", "true"},
      {Value::Flag, "On", "true"},                   {Value::Flag, "1", "true"},
      {Value::Text, " spaced ", " spaced "},         {Value::Text, "", ""},
      {Value::Encoded, "hunter2", "********"},       {Value::Encoded, std::string(1019, 'x'), "********"},
      {Value::Encoded, "********", ""},  // the mask keeps the secret: here, none
      {Value::Protected, "hunter2", "********"},     {Value::Margins, kMargins, kMargins},
      {Value::Margins, "000000000000E03F" + std::string(48, '0'), kMargins},
      {Value::Blob, "00ff10", "00ff10"},             {Value::Blob, "", ""},
      {Value::Lines, "[]", "[]"},                    {Value::Lines, "[\"\"]", "[\"\"]"},
      {Value::Lines, " [ \"a\" , \"\" ,\"b\" ] ", "[\"a\",\"\",\"b\"]"},
      {Value::Lines, "[\"tab\\there\",\"q\\\"\\\\\",\"\\u00e9\\ud83d\\ude00\"]",
       "[\"tab\\there\",\"q\\\"\\\\\",\"\xc3\xa9\xf0\x9f\x98\x80\"]"},
      {Value::Lines, "[\"\\u001f\"]", "[\"\\u001f\"]"},
      {Value::ListView, "1,1,1,0,1,100,1,0", "1,1,1,0,1,100,1,0"},
      {Value::Frame, "1,-1,200", "1,-1,200"},        {Value::Frame, "", ""},
  };
  for (Taken const& c : taken) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.value) << " \"" << c.input << "\"");
    std::unique_ptr<VProfileData> value = Make(c.value);
    VString error = "untouched";
    EXPECT_TRUE(value->FromText(VString(c.input), error));
    EXPECT_EQ(value->ToText().Str(), c.text);
    EXPECT_EQ(error, "untouched");
  }
  struct Refused { Value value; std::vector<std::string> inputs; };
  Refused const refused[] = {
      {Value::Number, {"2147483648", "-2147483649", "4294967295", "0x100000000", "0x-5", "-0x5", "0x", "", "-", "+1",
                       " 1", "1 ", "1e3", "99999999999999999999999"}},
      {Value::Unsigned, {"4294967296", "-1", "-0"}},
      {Value::Flag, {"t", "2", " true", ""}},
      {Value::Text, {std::string("a\0b", 3)}},
      {Value::Encoded, {std::string(1020, 'x')}},
      {Value::Protected, {std::string("a\0b", 3)}},
      {Value::Margins, {std::string(62, '0'), std::string(66, '0'), "0g" + std::string(62, '0'), ""}},
      {Value::Blob, {"0", "00 ff"}},
      {Value::Lines, {"[\"\\u0000\"]", "[\"\\ud83d\"]", "[\"a\",]", "[\"a\"] x", "a", "", "[\"a\nb\"]"}},
      {Value::ListView, {"1,1,1,0,2,100,1,0", "1,1,-1,0,0"}},
      {Value::Frame, {"1,2"}},
  };
  for (Refused const& c : refused) {
    for (std::string const& input : c.inputs) {
      SCOPED_TRACE(testing::Message() << static_cast<int>(c.value) << " \"" << input << "\"");
      std::unique_ptr<VProfileData> value = Make(c.value);
      VString error;
      EXPECT_FALSE(value->FromText(VString(input), error));
      EXPECT_EQ(value->ToText(), Make(c.value)->ToText()) << "a refusal changes nothing";
      EXPECT_FALSE(value->IsModified());
      // Names the option and the form; a secret's text is never repeated.
      EXPECT_TRUE(error.View().starts_with("\"Opt\" is ")) << error;
      bool const secret = value->Form() == VOptionForm::EncodedText || value->Form() == VOptionForm::ProtectedText;
      EXPECT_EQ(error.View().find("\"" + input + "\"") != std::string_view::npos, !secret) << error;
    }
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
