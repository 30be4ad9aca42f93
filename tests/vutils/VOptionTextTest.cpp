// Taking option values from text: the inputs of every value class, and the list form.
#include <gtest/gtest.h>

#include <map>

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
#include "support/CaseFile.h"
#include "support/CaseText.h"

namespace {

template <typename V>
std::unique_ptr<VProfileData> New() {
  return std::make_unique<V>();
}

// A value of the named class called "Opt", holding its default, with a checkpoint.
std::unique_ptr<VProfileData> Make(std::string const& kind) {
  static std::map<std::string, std::unique_ptr<VProfileData> (*)()> const classes = {
      {"Number", &New<VProfile<int>>}, {"Unsigned", &New<VProfile<unsigned int>>}, {"Flag", &New<VProfile<bool>>},
      {"Text", &New<VProfile2<VString, VProfileSz>>}, {"Encoded", &New<VProfileEncodedString>},
      {"Protected", &New<VProfileCapiString>}, {"Margins", &New<VProfile2<VMarginData, VProfileBinary>>},
      {"Blob", &New<VProfileBlob>}, {"Lines", &New<VProfileMultiLineString>},
      {"ListView", &New<VProfileListViewState>}, {"Frame", &New<VProfileExplorerFrameState>}};
  std::unique_ptr<VProfileData> made = classes.at(kind)();
  made->SetName("Opt");
  made->Checkpoint();
  return made;
}

TEST(VOptionTextTest, EveryFormTakesItsTextsAndRefusesOthersUnchanged) {
  ExpectCaseFile("vutils/option_texts.txt", [](std::string const& line) {
    std::string const kind = line.substr(0, line.find(' '));
    std::unique_ptr<VProfileData> value = Make(kind);
    VString error = "untouched";
    if (value->FromText(VString(CaseText(line)), error))
      return "took \"" + ShownText(value->ToText().View()) + "\"" + (error == "untouched" ? "" : " saying " + error.Str());
    bool const unchanged = value->ToText() == Make(kind)->ToText() && !value->IsModified();
    return (unchanged ? "refused, unchanged: " : "refused, changed: ") + ShownText(error.View());
  });
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
