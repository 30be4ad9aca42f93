// The value kinds: the load, dirty, save, reload protocol they share, their own rules, and the
// stored forms of the records kept as bytes.
#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cstring>

#include "IProfileTextConverter.h"
#include "MemoryKey.h"
#include "VLogFont.h"
#include "VMarginData.h"
#include "VProfile.h"
#include "VProfile2.h"
#include "VProfileBlob.h"
#include "VProfileCapiString.h"
#include "VProfileEncodedString.h"
#include "VProfileExplorerFrameState.h"
#include "VProfileListViewState.h"
#include "VProfileMultiLineString.h"
#include "VReportMessageParams.h"
#include "platform/types/VirtualKeys.h"
#include "platform/types/WindowPlacement.h"
#include "support/CaseFile.h"
#include "support/CaseText.h"
#include "support/Joined.h"
#include "support/KeyDump.h"
#include "support/ScopedRoot.h"
#include "terminal/ProfileKeymap.h"

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
  // Saves `record` under `name` and gives back what the store holds, as "binary <hex>".
  template <typename T>
  std::string Saved(char const* name, T const& record) {
    VProfile2<T, VProfileBinary> value;
    value.SetName(name);
    value.Load(nullptr, record);
    value.Save(key, false);
    return DumpValue(key, name);
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

std::string Quoted(VString const& text) { return "\"" + ShownText(text.View()) + "\""; }

TEST_F(VProfileValueTest, NumbersInARadixLinesAndEncodedFormsFromText) {
  ScriptedConverter converter(false, 0);
  VReportMessageParams report;
  ExpectCaseFile("vutils/value_texts.txt", [&](std::string const& line) {
    std::string const text = CaseText(line);
    if (line.starts_with("decode ")) return Quoted(VProfileEncodedString::Decode(text));
    if (line.starts_with("lines ")) {
      VProfileMultiLineString value;
      value.SetText(text.c_str());
      std::string shown = "lines:";
      for (int i = 0; i < value.Current().GetSize(); ++i) shown += " " + Quoted(value.Current()[i]);
      return shown + "; lf: " + Quoted(value.GetText(false)) + "; crlf: " + Quoted(value.GetText(true));
    }
    VProfile<int> number;
    number.SetRadix(std::stoi(line.substr(7)));
    number.SetDirty(true);
    bool const taken = number.SetFromText(text.c_str(), converter, report);
    return Joined(taken, static_cast<int>(number), number.IsModified(), number.IsDirty());
  });
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
  std::string const longest = "00000000" + std::string(2038, '6');  // 2,046 characters
  EXPECT_EQ(VProfileEncodedString::Decode(longest).Str(), std::string(1019, 'f'));
  EXPECT_EQ(VProfileEncodedString::Decode(longest + "6").Str(), "") << "past the 1,023-byte block";
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

VLogFont PrinterFont() { return VLogFont(100, -13, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 3, 2, 1, 0x31, "Courier New"); }

TEST_F(VProfileValueTest, RecordStoredFormsByteForByte) {
  EXPECT_EQ(Saved("Printer Font", PrinterFont()),
            "binary f3ffffff" "00000000" "00000000" "00000000" "90010000" "0000000003020131"
            "436f7572696572204e6577000000000000000000000000000000000000000000" "64000000");
  EXPECT_EQ(Saved("Page Margins", VMarginData{0.5, 0.25, 1.0, 2.0}),
            "binary 000000000000e03f" "000000000000d03f" "000000000000f03f" "0000000000000040");
  WINDOWPLACEMENT const placement{sizeof(WINDOWPLACEMENT), 0, 1, {0, 0}, {-4, -4}, {10, 20, 630, 470}};
  EXPECT_EQ(Saved("Window Placement", placement),
            "binary 2c000000" "00000000" "01000000" "00000000" "00000000" "fcffffff" "fcffffff"
            "0a000000" "14000000" "76020000" "d6010000");
}

TEST(VLogFontTest, PixelHeightConstructorAndPointSizes) {
  // Normal weight, default character set, fixed pitch, 12 points.
  EXPECT_EQ(VLogFont(16, "Courier New"),
            VLogFont(120, -16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FIXED_PITCH, "Courier New"));

  std::pair<int32_t, int32_t> const pointSizes[] = {{-16, 120}, {16, 120}, {-13, 97}, {13, 97}, {-1, 7}, {0, 0},
                                                     {INT_MIN, INT_MAX}};  // by height
  for (auto const& [height, pointSize] : pointSizes) {
    LOGFONT logical{};
    logical.lfHeight = height;
    VLogFont assigned(20, "x");
    assigned = logical;
    EXPECT_EQ(assigned.pointSize, pointSize) << height;
    EXPECT_EQ(assigned.lfHeight, height);
    EXPECT_EQ(VLogFont(static_cast<int>(-int64_t{height}), "x").pointSize, pointSize) << height;
  }
  LOGFONT logical{};
  logical.lfHeight = -13;
  EXPECT_EQ(VLogFont(logical, 100).pointSize, 100);  // an explicit size is kept
}

TEST(VLogFontTest, FaceNamesAreBoundedAndZeroFilled) {
  char const* const longFace = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghij";  // 36 characters
  VLogFont const truncated(10, longFace);
  EXPECT_EQ(std::string(truncated.lfFaceName), std::string(longFace, 31));
  EXPECT_EQ(VLogFont(10, nullptr).lfFaceName[0], '\0');
  LOGFONT logical{};
  std::memset(logical.lfFaceName, 'Z', LF_FACESIZE);  // unterminated
  std::memcpy(logical.lfFaceName, "Mono", 5);
  VLogFont const fromLogical(logical, 90);
  VLogFont assigned(10, "x");
  assigned = logical;
  for (VLogFont const* font : {&fromLogical, static_cast<VLogFont const*>(&assigned)}) {
    EXPECT_STREQ(font->lfFaceName, "Mono");
    for (int i = 4; i < LF_FACESIZE; ++i) EXPECT_EQ(font->lfFaceName[i], '\0') << i;
  }
}

TEST(VLogFontTest, EqualityCoversEveryFieldAndTheFaceCase) {
  VLogFont const base = PrinterFont();
  EXPECT_EQ(base, PrinterFont());
  std::pair<std::function<void(VLogFont&)>, bool> const edits[] = {
      {[](VLogFont& f) { std::memcpy(f.lfFaceName, "courier new", 12); }, false},
      {[](VLogFont& f) { f.pointSize = 101; }, false}, {[](VLogFont& f) { f.lfPitchAndFamily = 0x30; }, false},
      {[](VLogFont& f) { f.lfFaceName[20] = 'q'; }, true}};  // behind the terminator
  for (auto const& [edit, equal] : edits) {
    VLogFont other = base;
    edit(other);
    EXPECT_EQ(base == other, equal);
  }
}

// The load, dirty, save, reload protocol that every kind of stored value keeps. Each kind has a
// default (variant 1) and a second value (variant 2).
namespace kinds {

struct Record {
  uint32_t a, b;
  bool operator==(Record const&) const = default;
};

// A kind stored under the name "v": Load reads it with the kind's default, Self::Variant(1).
template <typename V, typename Self>
struct Scalar {
  using Value = V;
  static constexpr bool kKeepsDirtyFlag = true;
  static void Load(Value& v, VProfileKey* key) { v.SetName("v"); v.Load(key, Self::Variant(1)); }
  static void Set(Value& v, int variant) { v = Self::Variant(variant); }
  static bool Is(Value const& v, int variant) {
    if constexpr (requires { v.Current(); }) return v.Current() == Self::Variant(variant);
    else return v == Self::Variant(variant);
  }
};

struct Number : Scalar<VProfile<int>, Number> { static int Variant(int n) { return n == 1 ? 1 : -7; } };
struct Flag : Scalar<VProfile<bool>, Flag> { static bool Variant(int n) { return n == 2; } };
struct Text : Scalar<VProfile2<VString, VProfileSz>, Text> {
  static VString Variant(int n) { return n == 1 ? "one" : "two words"; }
};
struct RecordKind : Scalar<VProfile2<Record, VProfileBinary>, RecordKind> {
  static Record Variant(int n) { return n == 1 ? Record{1, 1} : Record{2, 0xFFFFFFFF}; }
};
struct List : Scalar<VProfile2<VStringArray, VProfileMultiSz>, List> {
  static VStringArray Variant(int n) { return n == 1 ? VStringArray{"one"} : VStringArray{"a", "", "b"}; }
};

// Secrets take their default with their name.
template <typename V>
struct Secret : Scalar<V, Secret<V>> {
  static VString Variant(int n) { return n == 1 ? "one" : "two"; }
  static void Load(V& v, VProfileKey* key) { v.Load(key, "v", "one"); }
};
using Encoded = Secret<VProfileEncodedString>;
using Protected = Secret<VProfileCapiString>;  // sealed with a key below the test's own root

struct Lines {
  using Value = VProfileMultiLineString;
  static constexpr bool kKeepsDirtyFlag = true;
  static void Load(Value& v, VProfileKey* key) { v.Load(key, "v"); }
  static char const* Script(int variant) { return variant == 1 ? "" : "send\r\n\r\nwait"; }
  static void Set(Value& v, int variant) { v.SetText(Script(variant)); }
  static bool Is(Value const& v, int variant) { return v.GetText(true) == Script(variant); }
};

struct Blob {
  using Value = VProfileBlob;
  static constexpr bool kKeepsDirtyFlag = false;  // a blob writes at every save that has bytes
  // A blob's checkpoint exists only after the first Checkpoint, which its owner makes after loading.
  static void Load(Value& v, VProfileKey* key) { v.Load(key, "v"); v.Checkpoint(); }
  static void Set(Value& v, int variant) { v.Assign("\0x\xff", variant == 1 ? 0 : 3); }
  // An empty blob may hold no buffer at all: compare bytes only when there are some.
  static bool Is(Value const& v, int variant) {
    return v.Length() == (variant == 1 ? 0u : 3u) && (!v.Length() || std::memcmp(v.Data(), "\0x\xff", v.Length()) == 0);
  }
};

// A session's key overrides: empty by default, F1 mapped as the second value.
struct Keys {
  using Value = ProfileKeymap;
  static constexpr bool kKeepsDirtyFlag = true;
  // Nothing stored leaves no checkpoint; the owner takes one, as it does for a blob.
  static void Load(Value& v, VProfileKey* key) { v.Load(key, "v"); v.Checkpoint(); }
  static int Code(int variant) { return variant == 1 ? KeymapCode::NONE : KeymapCode::VT_PF1; }
  static void Set(Value& v, int variant) { v.SetKeyCode(VK_F1, Code(variant)); }
  static bool Is(Value const& v, int variant) { return v.GetKeyCode(VK_F1) == Code(variant); }
};

template <typename Kind>
class VProfileValueProtocol : public ::testing::Test, protected MemoryKey {
 protected:
  using Value = typename Kind::Value;
  ScopedRoot root;
  Value Loaded() {
    Value value;
    Kind::Load(value, key);
    return value;
  }
};

using Kinds = ::testing::Types<Number, Flag, Text, Encoded, Protected, RecordKind, List, Lines, Blob, Keys>;
TYPED_TEST_SUITE(VProfileValueProtocol, Kinds);

TYPED_TEST(VProfileValueProtocol, LoadDirtySaveReload) {
  using Kind = TypeParam;
  auto value = this->Loaded();  // nothing stored: the default
  EXPECT_TRUE(Kind::Is(value, 1) && !value.IsModified());
  value.Save(this->key, false);
  EXPECT_FALSE(value.IsDirty());
  auto reloaded = this->Loaded();
  EXPECT_TRUE(Kind::Is(reloaded, 1) && !reloaded.IsDirty() && !reloaded.IsModified());
  Kind::Set(reloaded, 2);
  EXPECT_TRUE(reloaded.IsModified());
  reloaded.Rollback();
  EXPECT_TRUE(Kind::Is(reloaded, 1) && !reloaded.IsModified());
  Kind::Set(reloaded, 2);
  reloaded.Checkpoint();
  EXPECT_FALSE(reloaded.IsModified());
  EXPECT_TRUE(reloaded.IsDirty() || !Kind::kKeepsDirtyFlag) << "checkpointed, not yet saved";
  reloaded.Save(this->key, false);
  EXPECT_FALSE(reloaded.IsDirty() && Kind::kKeepsDirtyFlag);
  auto saved = this->Loaded();
  EXPECT_TRUE(Kind::Is(saved, 2) && !saved.IsDirty() && !saved.IsModified());
  auto copy = saved;  // a copy keeps its own checkpoint
  Kind::Set(copy, 1);
  copy.Rollback();
  EXPECT_TRUE(Kind::Is(copy, 2) && Kind::Is(saved, 2));
  typename Kind::Value other;
  Kind::Set(other, 1);
  saved.ApplyDelta(&other);
  EXPECT_TRUE(Kind::Is(saved, 1) && saved.IsModified());
  VProfile<unsigned int> foreign;  // a value of another class is ignored
  foreign = 3;
  saved.ApplyDelta(&foreign);
  EXPECT_TRUE(Kind::Is(saved, 1));
}

}  // namespace kinds
}  // namespace
