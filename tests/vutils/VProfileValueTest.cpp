// The value kinds' own rules; the load, dirty, save, reload protocol they share is in
// VProfileValueProtocolTest.
#include <gtest/gtest.h>

#include <cctype>

#include "IProfileTextConverter.h"
#include "MemoryKey.h"
#include "VProfile.h"
#include "VProfile2.h"
#include "VProfileBlob.h"
#include "VProfileEncodedString.h"
#include "VProfileExplorerFrameState.h"
#include "VProfileListViewState.h"
#include "VProfileMultiLineString.h"
#include "VReportMessageParams.h"
#include "support/KeyDump.h"

namespace {

// A converter that answers every request with one scripted outcome: success with a fixed
// result, or failure with a given report code.
struct ScriptedConverter : IProfileTextConverter {
  ScriptedConverter(bool succeed, unsigned long failureCode) : succeed(succeed), failureCode(failureCode) {}
  bool TextToList(VStringArray& out, VString const& text, IReportMessageParams& report, bool) override {
    out = VStringArray{text, "converted"};
    return Answer(report);
  }
  bool TextToString(VString& out, VString const& text, IReportMessageParams& report, bool) override {
    out = VString("converted:") + text;
    return Answer(report);
  }
  bool TextToBool(bool* out, VString const& text, IReportMessageParams& report) override {
    *out = text == "yes";
    return Answer(report);
  }
  bool Answer(IReportMessageParams& report) const {
    if (!succeed) report.SetCode(failureCode);
    return succeed;
  }
  bool succeed;
  unsigned long failureCode;
};

class VProfileValueTest : public ::testing::Test, protected MemoryKey {
 protected:
  template <typename Value, typename Default>
  void Load(Value& value, char const* name, Default const& fallback) {
    value.SetName(name);
    value.Load(key, fallback);
  }
};

using Text = VProfile2<VString, VProfileSz>;

TEST_F(VProfileValueTest, BoolLoadsAnyNonZeroAsTrueAndAValueOfAnotherKindLoadsTheDefault) {
  ASSERT_TRUE(key->SetDword("Flag", 7));
  VProfile<bool> flag;
  Load(flag, "Flag", false);
  EXPECT_TRUE(flag && !flag.IsDirty());
  flag.Save(key, false);
  EXPECT_EQ(StoredDword("Flag"), 7);
  flag.Save(key, true);
  EXPECT_EQ(StoredDword("Flag"), 1);
  flag = false;
  flag.Save(key, false);
  EXPECT_EQ(StoredDword("Flag"), 0);
  // A value of another kind loads the default and writes it.
  ASSERT_TRUE(key->SetDword("Title", 5) && key->SetSz("Port", "22"));
  Text title;
  VProfile<int> port;
  Load(title, "Title", "default");
  Load(port, "Port", 23);
  EXPECT_TRUE(title == "default" && port == 23);
  EXPECT_TRUE(title.IsDirty() && port.IsDirty());
  EXPECT_FALSE(title.IsModified());
  title.Save(key, false);
  port.Save(key, false);
  EXPECT_EQ(StoredSz("Title"), "default");
  EXPECT_EQ(StoredDword("Port"), 23);
  EXPECT_FALSE(title.IsDirty());
}

TEST_F(VProfileValueTest, NumbersFromText) {
  struct Case { char const* text; int radix; long expected; };
  Case const cases[] = {
      {"42", 10, 42},  {"  \t-17xyz", 10, -17}, {"+8", 10, 8},     {"", 10, 0},     {"abc", 10, 0},
      {"ff", 16, 255}, {"FFz", 16, 255},        {"0x10", 16, 0},   {"777", 8, 511}, {"z", 36, 35},
      {"2147483647", 10, 2147483647L},  {"2147483648", 10, 2147483647L},  {"99999999999999999999", 10, 2147483647L},
      {"-2147483648", 10, -2147483648L}, {"-99999999999", 10, -2147483648L},
  };
  VReportMessageParams report;
  ScriptedConverter converter(false, 0);
  for (Case const& c : cases) {
    VProfile<int> number;
    number.SetRadix(c.radix);
    number.SetDirty(true);
    EXPECT_TRUE(number.SetFromText(c.text, converter, report)) << c.text;
    EXPECT_EQ(number, c.expected) << c.text;
    EXPECT_FALSE(number.IsModified() || number.IsDirty()) << c.text;
  }
  VProfile<unsigned long> wide;
  EXPECT_TRUE(wide.SetFromText("-1", converter, report));
  EXPECT_EQ(wide, 0xFFFFFFFFUL);
  wide.SetRadix(37);
  EXPECT_FALSE(wide.SetFromText("1", converter, report));
}

TEST_F(VProfileValueTest, TextsBoolsAndListsFromTextThroughTheConverter) {
  // A text the converter cannot convert is taken as it is, unless its failure is another one.
  struct Case { bool succeed; unsigned long failureCode; bool result; char const* value; unsigned long codeAfter; };
  Case const cases[] = {{true, 0, true, "converted:in", 0}, {false, 0xE1040047, true, "in", 0},
                        {false, 0xE1040048, false, "before", 0xE1040048}};
  for (Case const& c : cases) {
    VReportMessageParams report;
    ScriptedConverter converter(c.succeed, c.failureCode);
    Text text;
    text = "before";
    text.SetDirty(true);
    EXPECT_EQ(text.SetFromText("in", converter, report), c.result);
    EXPECT_EQ(text, c.value);
    EXPECT_EQ(report.GetCode(), c.codeAfter);
    EXPECT_TRUE(text.IsDirty() == !c.result && text.IsModified() == !c.result);
  }
  VReportMessageParams report;
  report.AddString("kept");  // a reset would drop it
  ScriptedConverter yes(true, 0), no(false, 0xE1040047);
  VProfile<bool> flag;
  EXPECT_TRUE(flag.SetFromText("yes", yes, report));
  EXPECT_TRUE(flag && !flag.IsModified());
  EXPECT_FALSE(flag.SetFromText("no", no, report));
  EXPECT_TRUE(flag);
  VProfileMultiLineString lines;
  EXPECT_TRUE(lines.SetFromText("a", yes, report));
  EXPECT_TRUE(lines.Current() == (VStringArray{"a", "converted"}));
  EXPECT_FALSE(lines.IsModified());
  EXPECT_FALSE(lines.SetFromText("b", no, report));
  EXPECT_EQ(report.GetInsertCount(), 1) << "flags and lists leave a failed conversion's report whole";
}

struct Record { uint32_t a, b, c; };
struct LooseRecord {
  uint32_t key, ignored;
  bool operator==(LooseRecord const& other) const { return key == other.key; }
};

TEST_F(VProfileValueTest, RecordsStoreExactlyTheirBytes) {
  VProfile2<Record, VProfileBinary> record, partial, tooLong;
  Load(record, "R", Record{1, 2, 3});
  EXPECT_TRUE(record.IsDirty());
  record.Save(key, false);
  EXPECT_EQ(DumpValue(key, "R"), "binary 010000000200000003000000");
  // A shorter block fills its length; the rest keeps what the record held before. A longer one is refused.
  uint32_t const shortBlock = 9;
  unsigned char const longBlock[16] = {5};
  ASSERT_TRUE(key->SetBinary("Short", &shortBlock, 4) && key->SetBinary("Long", longBlock, 16));
  partial = Record{7, 7, 7};
  Load(partial, "Short", Record{0, 0, 0});
  EXPECT_TRUE(partial.a == 9u && partial.c == 7u && !partial.IsDirty());
  Load(tooLong, "Long", Record{4, 4, 4});
  EXPECT_TRUE(tooLong.a == 4u && tooLong.IsDirty());
  VProfile2<LooseRecord, VProfileBinary> loose;
  loose.Load(nullptr, LooseRecord{1, 1});
  loose.ignored = 2;
  EXPECT_FALSE(loose.IsModified());
  loose.key = 2;
  EXPECT_TRUE(loose.IsModified());
}

TEST_F(VProfileValueTest, MultiLineTextSplitsAndJoins) {
  struct Case { char const* text; VStringArray lines; char const *lf, *crlf; };
  Case const cases[] = {
      {"a\r\nb", {"a", "b"}, "a\nb", "a\r\nb"}, {"a\nb", {"a", "b"}, "a\nb", "a\r\nb"}, {"", {}, "", ""},
      {"one", {"one"}, "one", "one"},           {"a\n\nb\n", {"a", "", "b", ""}, "a\n\nb\n", "a\r\n\r\nb\r\n"},
      {"a\rb\r", {"a\rb"}, "a\rb", "a\rb"},     {"\n", {"", ""}, "\n", "\r\n"},
  };
  for (Case const& c : cases) {
    VProfileMultiLineString value;
    value.SetText(c.text);
    EXPECT_TRUE(value.Current() == c.lines) << c.text;
    EXPECT_EQ(value.GetText(false), c.lf) << c.text;
    EXPECT_EQ(value.GetText(true), c.crlf) << c.text;
  }
}

using Layout = VProfileListViewState::Layout;
using Frame = VProfileExplorerFrameState::Numbers;
Layout TwoColumns() { return Layout{1, -1, 4000000000u, 0, {{120, 1, 0}, {-80, 255, 1}}}; }

TEST_F(VProfileValueTest, ViewStatesStoreNumbersAsCommaSeparatedTextAndKeepThemOverBadText) {
  VProfileListViewState list, listAgain;
  VProfileExplorerFrameState frame, frameAgain;
  Load(list, "Remote ListView State", "");
  Load(frame, "Remote ExplorerFrame State", "");
  list.SetLayout(TwoColumns());
  frame.SetNumbers({1, -1, 200});
  list.Save(key, false);
  frame.Save(key, false);
  EXPECT_EQ(StoredSz("Remote ListView State"), "1,-1,4000000000,0,2,120,1,0,-80,255,1");
  EXPECT_EQ(StoredSz("Remote ExplorerFrame State"), "1,-1,200");
  Load(listAgain, "Remote ListView State", "");
  Load(frameAgain, "Remote ExplorerFrame State", "");
  EXPECT_EQ(listAgain.GetLayout(), TwoColumns());
  EXPECT_EQ(frameAgain.GetNumbers(), (Frame{1, -1, 200}));
  EXPECT_FALSE(listAgain.IsDirty() || frameAgain.IsDirty());
  // Texts that do not hold the numbers keep the previous ones.
  for (char const* text : {"", "1,2", "1,2,3,4", "1,,3", "1, 2,3", "+1,2,3", "1,2,3,", "a,b,c", "2147483648,0,0",
                           "0,-2147483649,0", "1;2;3"}) {
    ASSERT_TRUE(key->SetSz("Frame", text));
    VProfileExplorerFrameState bad;
    bad.SetNumbers({7, 8, 9});
    Load(bad, "Frame", "");
    EXPECT_EQ(bad.GetNumbers(), (Frame{7, 8, 9})) << text;
    EXPECT_EQ(bad, text);  // the stored text itself is kept
  }
  for (char const* text : {"1,1,1,0", "1,1,1,0,1", "1,1,1,0,1,5,1", "1,1,1,0,1,5,1,0,9", "1,1,1,0,-1", "1,1,-1,0,0",
                           "1,1,4294967296,0,0", "1,1,1,0,1,5,256,0", "1,1,1,0,1,5,-1,0"}) {
    ASSERT_TRUE(key->SetSz("List", text));
    VProfileListViewState bad;
    bad.SetLayout(TwoColumns());
    Load(bad, "List", "");
    EXPECT_EQ(bad.GetLayout(), TwoColumns()) << text;
  }
  ASSERT_TRUE(key->SetSz("List", "-2147483648,2147483647,4294967295,0,0"));
  VProfileListViewState edges;
  Load(edges, "List", "");
  EXPECT_EQ(edges.GetLayout(), (Layout{INT32_MIN, INT32_MAX, UINT32_MAX, 0, {}}));
}

TEST_F(VProfileValueTest, ViewStateRollbackApplyDeltaAndSetFromTextKeepNumbersAndTextTogether) {
  ASSERT_TRUE(key->SetSz("Frame", "1,1000,200"));
  VProfileExplorerFrameState frame, other;
  Load(frame, "Frame", "");
  frame.SetNumbers({5, 5, 5});
  EXPECT_TRUE(frame.IsModified());
  frame.Rollback();
  EXPECT_EQ(frame.GetNumbers(), (Frame{1, 1000, 200}));
  EXPECT_FALSE(frame.IsModified());
  other.SetNumbers({3, -3, 30});
  frame.ApplyDelta(&other);
  EXPECT_EQ(frame.GetNumbers(), (Frame{3, -3, 30}));
  EXPECT_TRUE(frame.IsModified());
  ScriptedConverter converter(false, 0xE1040047);  // not a text it converts: taken as it is
  VReportMessageParams report;
  VProfileListViewState list;
  list.SetName("List");
  ASSERT_TRUE(list.SetFromText("0,0,7,0,1,50,0,2", converter, report));
  EXPECT_EQ(list.GetLayout(), (Layout{0, 0, 7, 0, {{50, 0, 2}}}));
  EXPECT_FALSE(list.IsModified());
}

std::string Bytes(VProfileBlob const& blob) { return {reinterpret_cast<char const*>(blob.Data()), blob.Length()}; }

TEST_F(VProfileValueTest, BlobLoadsSavesAndComparesItsBytes) {
  ASSERT_TRUE(key->SetBinary("Block", "\x01\x00\x02", 3) && key->SetBinary("Empty", "", 0));
  ASSERT_TRUE(key->SetSz("Text", "abc"));
  struct Case { char const* name; bool result; std::string bytes; };
  Case const cases[] = {{"Block", true, std::string("\x01\x00\x02", 3)}, {"Missing", false, ""}, {"Empty", false, ""},
                        {"Text", false, ""}};
  for (Case const& c : cases) {
    VProfileBlob blob;
    blob.Assign("old", 3);
    EXPECT_EQ(blob.Load(key, c.name), c.result) << c.name;
    EXPECT_EQ(Bytes(blob), c.bytes) << c.name;
    EXPECT_EQ(blob.GetName(), c.name);
  }
  VProfileBlob keyless;
  keyless.Assign("kept", 4);
  EXPECT_TRUE(keyless.Load(nullptr, "Any"));
  EXPECT_EQ(Bytes(keyless), "kept");
  VProfileBlob blob, again, leftEmpty;
  blob.Load(key, "Blob");
  blob.Save(key, true);
  EXPECT_EQ(DumpValue(key, "Blob"), "<none>");
  blob.Assign("xyz", 3);
  blob.Checkpoint();
  blob.Save(key, false);
  EXPECT_TRUE(again.Load(key, "Blob"));
  EXPECT_EQ(Bytes(again), "xyz");
  // The empty text clears the stored value; a blob that was merely left empty keeps it.
  leftEmpty.Load(nullptr, "Blob");
  leftEmpty.Save(key, true);
  EXPECT_TRUE(VProfileBlob().Load(key, "Blob"));
  VString error;
  ASSERT_TRUE(again.FromText("", error)) << error;
  again.Save(key, false);
  EXPECT_FALSE(VProfileBlob().Load(key, "Blob"));
  // Rollback, delta and copies follow the shared protocol; a blob compares length and bytes.
  VProfileBlob edited;
  EXPECT_FALSE(edited.IsModified());
  edited.Assign("abc", 3);
  EXPECT_TRUE(edited.IsModified()) << "before any checkpoint, against the empty blob";
  edited.Checkpoint();
  edited.Assign("abd", 3);
  EXPECT_TRUE(edited.IsModified());
  edited.Assign("abcd", 4);
  EXPECT_TRUE(edited.IsModified());
  edited.Rollback();
  EXPECT_TRUE(edited.IsDirty()) << "bytes copied back in are written again";
}

unsigned HexByte(std::string const& text, size_t pair) { return std::stoul(text.substr(pair * 2, 2), nullptr, 16); }

TEST_F(VProfileValueTest, EncodedFormIsAPadThenTheTextXoredWithItMadeAfreshAtEveryWrite) {
  std::string const stored = VProfileEncodedString::Encode("abc").Str();
  ASSERT_EQ(stored.size(), 14u);
  EXPECT_EQ(stored.find_first_not_of("0123456789abcdef"), std::string::npos) << stored;
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(HexByte(stored, 4 + i), ("abc"[i] ^ HexByte(stored, i))) << i;
  EXPECT_EQ(VProfileEncodedString::Decode(stored), "abc");
  std::string upper = stored;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ(VProfileEncodedString::Decode(upper), "abc");
  EXPECT_EQ(VProfileEncodedString::Encode(""), "");
  std::string const longest = "00000000" + std::string(2038, '6');   // 2,046 characters
  struct Case { std::string stored, text; };
  Case const cases[] = {
      {"", ""}, {"12345678", ""}, {"1234", ""}, {"01020304606060", "abc"},
      {"0102030460606067", "abcc"},  // the key repeats every four bytes
      {"00000000616200", "ab"}, {"000000006162006364", "ab"},  // a zero byte ends the text
      {"0000000061z2", "a\x02"},     // a non-hex digit counts as 0
      {"000000006", "`"},            // a last odd digit pairs with 0
      {"0000000041", "A"}, {longest, std::string(1019, 'f')},
      {longest + "6", ""},           // past the 1,023-byte block: rejected
  };
  for (Case const& c : cases)
    EXPECT_EQ(VProfileEncodedString::Decode(c.stored).Str(), c.text) << c.stored.substr(0, 20);
  // Load, dirty and save are the shared value protocol's; the stored form is encoded afresh at every write.
  VProfileEncodedString password;
  password.Load(key, "Password", "fallback");
  EXPECT_TRUE(password.IsSensitive());
  password.Save(key, false);
  std::string const first = StoredSz("Password");
  EXPECT_EQ(VProfileEncodedString::Decode(first), "fallback");
  EXPECT_EQ(first.size(), 8u + 2 * 8);
  password.Save(key, true);
  EXPECT_EQ(VProfileEncodedString::Decode(StoredSz("Password")), "fallback");
  EXPECT_NE(StoredSz("Password"), first);
}

}  // namespace
