#include <gtest/gtest.h>

#include "FakeReport.h"
#include "MemoryKey.h"
#include "ScriptedConverter.h"
#include "VProfile.h"
#include "VProfile2.h"
#include "VProfileMultiLineString.h"

namespace {

class VProfileValueTest : public ::testing::Test, protected MemoryKey {};

using Text = VProfile2<VString, VProfileSz>;

TEST_F(VProfileValueTest, BoolLoadsAnyNonZeroAsTrueAndStoresOne) {
  ASSERT_TRUE(key->SetDword("Flag", 7));
  VProfile<bool> flag;
  flag.SetName("Flag");
  flag.Load(key, false);
  EXPECT_TRUE(flag);
  EXPECT_FALSE(flag.IsDirty());
  flag.Save(key, false);
  EXPECT_EQ(StoredDword("Flag"), 7);
  flag.Save(key, true);
  EXPECT_EQ(StoredDword("Flag"), 1);
  flag = false;
  flag.Save(key, false);
  EXPECT_EQ(StoredDword("Flag"), 0);
}

TEST_F(VProfileValueTest, AValueOfAnotherKindLoadsTheDefaultAndWritesIt) {
  ASSERT_TRUE(key->SetDword("Title", 5));
  ASSERT_TRUE(key->SetSz("Port", "22"));
  Text title;
  title.SetName("Title");
  title.Load(key, "default");
  VProfile<int> port;
  port.SetName("Port");
  port.Load(key, 23);
  EXPECT_EQ(title, "default");
  EXPECT_EQ(port, 23);
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
  FakeReport report;
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
    FakeReport report;
    ScriptedConverter converter(c.succeed, c.failureCode);
    Text text;
    text = "before";
    text.SetDirty(true);
    EXPECT_EQ(text.SetFromText("in", converter, report), c.result);
    EXPECT_EQ(text, c.value);
    EXPECT_EQ(report.GetCode(), c.codeAfter);
    EXPECT_EQ(text.IsDirty(), !c.result);
    EXPECT_EQ(text.IsModified(), !c.result);
  }
  FakeReport report;
  ScriptedConverter yes(true, 0), no(false, 0xE1040047);
  VProfile<bool> flag;
  EXPECT_TRUE(flag.SetFromText("yes", yes, report));
  EXPECT_TRUE(flag);
  EXPECT_FALSE(flag.IsModified());
  EXPECT_FALSE(flag.SetFromText("no", no, report));
  EXPECT_TRUE(flag);
  VProfileMultiLineString lines;
  EXPECT_TRUE(lines.SetFromText("a", yes, report));
  EXPECT_TRUE(lines.Current() == (VStringArray{"a", "converted"}));
  EXPECT_FALSE(lines.IsModified());
  EXPECT_FALSE(lines.SetFromText("b", no, report));
  EXPECT_EQ(report.Resets(), 0);
}

struct Record { uint32_t a, b, c; };

struct LooseRecord {
  uint32_t key, ignored;
  bool operator==(LooseRecord const& other) const { return key == other.key; }
};

TEST_F(VProfileValueTest, RecordsStoreExactlyTheirBytes) {
  VProfile2<Record, VProfileBinary> record;
  record.SetName("R");
  record.Load(key, Record{1, 2, 3});
  EXPECT_TRUE(record.IsDirty());
  record.Save(key, false);
  std::vector<unsigned char> bytes(16);
  unsigned long size = bytes.size();
  ASSERT_TRUE(key->GetBinary("R", bytes.data(), size));
  bytes.resize(size);
  EXPECT_EQ(bytes, (std::vector<unsigned char>{1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}));
  // A shorter block fills its length; the rest keeps what the record held before. A longer one is refused.
  uint32_t const shortBlock = 9;
  unsigned char const longBlock[16] = {5};
  ASSERT_TRUE(key->SetBinary("Short", &shortBlock, 4));
  ASSERT_TRUE(key->SetBinary("Long", longBlock, 16));
  VProfile2<Record, VProfileBinary> partial, tooLong;
  partial = Record{7, 7, 7};
  partial.SetName("Short");
  partial.Load(key, Record{0, 0, 0});
  EXPECT_EQ(partial.a, 9u);
  EXPECT_EQ(partial.c, 7u);
  EXPECT_FALSE(partial.IsDirty());
  tooLong.SetName("Long");
  tooLong.Load(key, Record{4, 4, 4});
  EXPECT_EQ(tooLong.a, 4u);
  EXPECT_TRUE(tooLong.IsDirty());
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

}  // namespace
