#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/registry/RegFileApplier.h"
#include "platform/registry/RegFileParser.h"
#include "platform/registry/RegFileWriter.h"
#include "platform/registry/RegHiveName.h"
#include "platform/registry/Registry.h"
#include "platform/registry/Utf16Text.h"
#include "support/Golden.h"
#include "support/HeldKey.h"
#include "support/Hex.h"
#include "support/KeyDump.h"
#include "support/KeyChainPath.h"
#include "support/ScopedRoot.h"

namespace {

using namespace std::string_literals;
using Kind = RegFileOperation::Kind;

std::string const kTop = "HKEY_CURRENT_USER\\Software\\Brimvale";
std::string const R4 = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n";
std::string const V5 = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\A]\n";

RegFileOperation Key(std::string key, int line = 0, Kind kind = Kind::CreateKey) {
  return {kind, std::move(key), "", REG_NONE, "", line};
}

RegFileOperation Value(std::string name, unsigned long type, std::string data, std::string key = kTop) {
  return {Kind::SetValue, std::move(key), std::move(name), type, std::move(data), 0};
}

// UTF-16LE bytes of the text, with a byte order mark.
std::string Utf16File(std::u16string const& text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : text) bytes += std::string{static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
  return bytes;
}

// Each step as "line kind [key] name type data", texts escaped, data in hexadecimal.
std::string Steps(std::vector<RegFileOperation> const& steps) {
  static char const* const kKinds[] = {"create", "delete key", "set", "delete value"};
  std::string text;
  for (RegFileOperation const& step : steps)
    text += "  " + std::to_string(step.line) + " " + kKinds[static_cast<int>(step.kind)] + " [" + DumpText(step.key) +
            "] " + DumpText(step.name) + " " + std::to_string(step.type) + (step.data.empty() ? "" : " ") +
            Hex(step.data) + "\n";
  return text;
}

// A file escaped for a golden file, its first 120 bytes only.
std::string Label(std::string const& file) {
  return DumpText(file.substr(0, 120)) + (file.size() > 120 ? "..." : "");
}

// Each file, escaped, then its steps: tests/data/golden/platform/regfile_parsed.txt.
TEST(RegFileParserTest, GoodFilesGiveTheirSteps) {
  std::string const files[] = {
      "REGEDIT4", "REGEDIT4\n; only a comment\n\n", "\xEF\xBB\xBF" "REGEDIT4\n[HKLM\\X\\Y]",
      R4 + "\"s\"=\"a \\\"q\\\" \\\\ b\"\r\n", R4 + "@=\"d\" ; comment\r\n\"\"=\"\"\r\n",
      R4 + "\"n\" = dword:1\r\n\"m\"=dword:FFFFffff;c\r\n",
      R4 + "\"b\"=hex:00,ff\r\n\"e\"=hex:\r\n\"q\"=hex(b):01,02,03,04,05,06,07,08\r\n\"z\"=hex(0):\r\n",
      R4 + "\"c\"=hex:01, 02,\\\r\n   03,\\\n  04 ; end\r\n\"d\"=hex:\\\n  05\n",
      R4 + "\"m\"=hex(7):61,00,62,00,00\r\n\"x\"=hex(2):25,00\r\n",
      V5 + "\"m\"=hex(7):61,00,00,00,e9,00,00,00,00,00\n\"x\"=hex(2):3d,d8,00,de,00,00\n", V5 + "\"b\"=hex:61,00\n",
      "REGEDIT4\n[-HKCU\\Gone]\n[HKCU\\B]\n\"v\"=-\n@=-\n", "REGEDIT4\n[HKEY_CLASSES_ROOT]\n[HKCU\\a]b]\n",
      Utf16File(u"Windows Registry Editor Version 5.00\r\n\r\n[HKCU\\A]\r\n\"s\"=\"t\"\r\n"),
      Utf16File(u"REGEDIT4\n[HKCU\\Stra\u00DFe]\n\"\u00C4\"=\"\u20AC\"\n")};
  std::string parsed;
  for (std::string const& file : files) {
    RegFileParser parser;
    EXPECT_TRUE(parser.Parse(file)) << file << "\n" << parser.ErrorText();
    parsed += Label(file) + "\n" + Steps(parser.Operations());
  }
  ExpectGolden("platform/regfile_parsed.txt", parsed);
  RegFileParser deepest;
  ASSERT_TRUE(deepest.Parse("REGEDIT4\n[HKCU\\" + KeyChainPath(kRegMaxKeyDepth) + "]\n"));
  EXPECT_EQ(std::vector{Key("HKCU\\" + KeyChainPath(kRegMaxKeyDepth), 2)}, deepest.Operations());
}

// One parser reads a good file before each bad one: a refusal leaves no steps of either. Each
// file, escaped, with its error: tests/data/golden/platform/regfile_refused.txt.
TEST(RegFileParserTest, MalformedFilesAreRefusedWithTheirLine) {
  std::string const files[] = {
      "", "regedit4\n", "REGEDIT4 \n", "\nREGEDIT4\n", "Windows Registry Editor Version 5.0\n", "\xFE\xFF\0R"s,
      "\xFF\xFE" "R\0\n\0\x00\xDC"s, "\xFF\xFE" "R\0E"s, "REGEDIT4\n\"a\"=\"b\"\n", "REGEDIT4\n[HKCU\\A\n",
      "REGEDIT4\n[]\n", "REGEDIT4\n[HKEY_USERS\\A]\n", "REGEDIT4\n[HKCU\\A\\\\B]\n", "REGEDIT4\n[HKCU\\A\\]\n",
      "REGEDIT4\n[-HKCU]\n", "REGEDIT4\n[-HKCU\\A]\n\"a\"=\"b\"\n", R4 + "x=1\r\n", R4 + "\"a\"\"b\"\r\n",
      R4 + "\"a=\"b\"\r\n", R4 + "\"a\"=\"b\r\n", R4 + "\"a\\n\"=\"b\"\r\n", R4 + "\"a\"=\"b\" c\r\n",
      R4 + "\"a\"=dword:\r\n", R4 + "\"a\"=dword:123456789\r\n", R4 + "\"a\"=dword:12g\r\n", R4 + "\"a\"=dword:-1\r\n",
      R4 + "\"a\"=qword:1\r\n", R4 + "\"a\"=hex():00\r\n", R4 + "\"a\"=hex(123456789):00\r\n",
      R4 + "\"a\"=hex(2:00\r\n", R4 + "\"a\"=hex:0\r\n", R4 + "\"a\"=hex:000\r\n",
      R4 + "\"a\"=hex:00;01,zz\r\n\"b\"=hex:00 01\r\n", R4 + "\"a\"=hex:00,\r\n", R4 + "\"a\"=hex:00,,01\r\n",
      R4 + "\"a\"=hex:00,\\\r\n", R4 + "\"a\"=hex:00,\\\r\n\r\n\"b\"=-\r\n",
      R4 + "\"a\"=hex:00,\\\r\n  01,\\\r\n  zz\r\n", R4 + "\"a\"=- x\r\n", V5 + "\"m\"=hex(7):61,00,62\n",
      V5 + "\"m\"=hex(1):00,d8,00,00\n", "REGEDIT4\n[-HKCU\\T\\Victim\0NotThisOne]\n"s, R4 + "\"na\0me\"=\"x\"\r\n"s,
      R4 + "\"\0\"=\"x\"\r\n"s, Utf16File(u"Windows Registry Editor Version 5.00\r\n\r\n[-HKCU\\T\\Victim\0X]\r\n"s),
      Utf16File(u"Windows Registry Editor Version 5.00\r\n[HKCU\\T]\r\n\"na\0me\"=-\r\n"s),
      "REGEDIT4\n[HKCU\\" + KeyChainPath(kRegMaxKeyDepth + 1) + "]\n",
      "REGEDIT4\n[-HKCU\\" + KeyChainPath(kRegMaxKeyDepth + 1) + "]\n"};
  RegFileParser parser;
  std::string refused;
  for (std::string const& file : files) {
    SCOPED_TRACE(file);
    ASSERT_TRUE(parser.Parse(R4 + "\"a\"=dword:1\r\n"));
    EXPECT_FALSE(parser.Parse(file));
    EXPECT_TRUE(parser.Operations().empty());
    EXPECT_EQ("line " + std::to_string(parser.ErrorLine()) + ": " + parser.ErrorReason(), parser.ErrorText());
    refused += Label(file) + "\n  " + parser.ErrorText() + "\n";
  }
  ExpectGolden("platform/regfile_refused.txt", refused);
}

TEST(RegFileParserTest, LongHexRunsParseWhole) {
  std::string file = R4 + "\"big\"=hex:";
  for (int i = 0; i < 100000; ++i) file += i % 25 == 24 ? "ab,\\\r\n  " : "ab,";
  RegFileParser parser;
  ASSERT_TRUE(parser.Parse(file + "ab\r\n")) << parser.ErrorText();
  ASSERT_EQ(2u, parser.Operations().size());
  EXPECT_EQ(std::string(100001, '\xab'), parser.Operations()[1].data);
}

std::string Write(std::vector<RegFileOperation> const& steps, RegFileFormat format) {
  RegFileWriter writer(format);
  std::string file;
  EXPECT_TRUE(writer.Write(steps, file)) << writer.Error();
  return file;
}

// The older format in 8-bit text, the newer one in UTF-16 after its byte-order mark.
TEST(RegFileWriterTest, WritesTheGoldenTextInBothFormats) {
  std::vector<RegFileOperation> const steps = {
      Key(kTop), Value("", REG_SZ, "top\0"s), Value("Host", REG_SZ, "a\"b\\c\0"s),
      Value("Port", REG_DWORD, "\x16\0\0\0"s), Value("Line", REG_SZ, "a\nb\0"s),
      Value("Q", REG_QWORD, "\1\2\3\4\5\6\7\x8"s), Value("Odd", REG_DWORD, "\1\2"s),
      Key(kTop + "\\Sessions"), Value("Fwd", REG_MULTI_SZ, "a\0b\0\0"s, kTop + "\\Sessions\\Default"),
      {Kind::DeleteValue, kTop + "\\Sessions\\Default", "Old", REG_NONE, "", 0},
      Key("HKEY_CURRENT_USER\\Software\\Gone", 0, Kind::DeleteKey)};
  ExpectGolden("regedit4.reg", Write(steps, RegFileFormat::Regedit4));
  ExpectGolden("regedit5.reg", Write(steps, RegFileFormat::Version5));
}

TEST(RegFileWriterTest, HexWrapsAtEightyColumnsWithABackslashAndTwoSpaces) {
  struct Case { std::size_t bytes; std::vector<std::size_t> bytesPerLine; };
  // "n"=hex: takes 8 columns; a wrapped line ends in "xx,\", continuation lines start with two spaces;
  // the last line needs no backslash, so one more byte fits there.
  Case const cases[] = {{0, {0}},       {24, {24}},        {25, {23, 2}},  {48, {23, 25}},
                        {49, {23, 26}}, {50, {23, 25, 2}}, {100, {23, 25, 25, 25, 2}}};
  for (Case const& c : cases) {
    std::string const file =
        Write({Key(kTop), Value("n", REG_BINARY, std::string(c.bytes, '\x5a'))}, RegFileFormat::Regedit4);
    std::istringstream lines(file.substr(file.find("\"n\"")));
    std::vector<std::size_t> counts;
    for (std::string line; std::getline(lines, line) && line != "\r";) {
      ASSERT_TRUE(line.ends_with('\r'));
      line.pop_back();
      EXPECT_LE(line.size(), 80u) << line;
      EXPECT_TRUE(counts.empty() ? line.starts_with("\"n\"=hex:") : line.starts_with("  5a")) << line;
      EXPECT_EQ(line.ends_with(",\\"), counts.size() + 1 < c.bytesPerLine.size()) << line;
      counts.push_back(std::count(line.begin(), line.end(), 'a'));
    }
    EXPECT_EQ(c.bytesPerLine, counts) << c.bytes;
  }
}

TEST(RegFileWriterTest, ExportsParseBackToTheSameSteps) {
  std::vector<RegFileOperation> const steps = {
      Key(kTop), Value("", REG_SZ, "\0"s), Value("empty", REG_SZ, ""),
      Value("caf\xC3\xA9 \"q\" \\", REG_SZ, "\xE2\x82\xAC \\\\ \"\0"s), Value("dword", REG_DWORD, "\xff\xff\xff\xff"s),
      Value("blob", REG_BINARY, std::string(1000, '\x80') + "\0\1"s),
      Value(std::string(90, 'N'), REG_BINARY, "\1\2\3"s),
      Value("none", REG_NONE, ""), Value("odd kind", 0x12345678, "xyz"), Value("expand", REG_EXPAND_SZ, "%HOME%\\x\0"s),
      Value("multi", REG_MULTI_SZ, "one\0t\xC3\xA9two\0\0"s), Key(kTop + "\\Sub\\Deeper"),
      Value("tab\tname", REG_SZ, "semi;colon\0"s, kTop + "\\Sub\\Deeper")};
  // Only the older format keeps bytes that are not UTF-8.
  std::vector<RegFileOperation> const notUtf8 = {Key(kTop), Value("v", REG_SZ, "\xff\xfe\0"s),
                                                 Value("m", REG_MULTI_SZ, "\x80\0\0"s)};
  std::pair<RegFileFormat, std::vector<RegFileOperation> const*> const cases[] = {
      {RegFileFormat::Regedit4, &steps}, {RegFileFormat::Version5, &steps}, {RegFileFormat::Regedit4, &notUtf8}};
  for (auto const& [format, expected] : cases) {
    RegFileParser parser;
    ASSERT_TRUE(parser.Parse(Write(*expected, format))) << parser.ErrorText();
    EXPECT_EQ(format, parser.Format());
    std::vector<RegFileOperation> parsed = parser.Operations();
    for (auto& step : parsed) step.line = 0;
    EXPECT_EQ(*expected, parsed);
  }
}

TEST(RegFileWriterTest, RefusesWhatTheFormatCannotHold) {
  struct Case { RegFileFormat format; RegFileOperation step; };
  Case const cases[] = {
      {RegFileFormat::Regedit4, Value("two\nlines", REG_SZ, "x\0"s)}, {RegFileFormat::Regedit4, Key("HKCU\\a\rb")},
      {RegFileFormat::Version5, Value("v", REG_SZ, "\xff\0"s)},
      {RegFileFormat::Version5, Value("v", REG_MULTI_SZ, "\xc3\0\0"s)},
      {RegFileFormat::Version5, Value("\xff", REG_DWORD, "\0\0\0\0"s)},
  };
  for (Case const& c : cases) {
    RegFileWriter writer(c.format);
    std::string file = "untouched";
    EXPECT_FALSE(writer.Write({Key(kTop), c.step}, file)) << c.step.name;
    EXPECT_EQ("untouched", file);
    EXPECT_FALSE(writer.Error().empty());
  }
}

// Every hive of a file imported at `root` below `prefix`; at the hive its name gives when `root` is null.
RegFileApplier::Target Into(HKEY root = nullptr, std::string const& prefix = "") {
  return [=](std::string_view hive, HKEY& to, std::string& into) {
    to = root ? root : RegHiveName::Resolve(hive);
    into = prefix;
    return to != nullptr;
  };
}

std::vector<RegFileOperation> Parsed(std::string const& file) {
  RegFileParser parser;
  EXPECT_TRUE(parser.Parse(file)) << parser.ErrorText();
  return parser.Operations();
}

class RegFileApplierTest : public ::testing::Test {
 protected:
  bool Import(std::vector<RegFileOperation> const& steps, RegFileApplier::Target target = Into()) {
    RegFileApplier applier(std::move(target));
    bool const ok = applier.Apply(steps);
    m_error = applier.Error();
    return ok;
  }
  bool Import(std::string const& file, RegFileApplier::Target target = Into()) {
    return Import(Parsed(file), std::move(target));
  }
  // A value as "type:bytes", "<missing>" when the key holds none.
  static std::string Get(HKEY root, char const* path, char const* name) {
    HeldKey key = HeldKey::Opened(root, path);
    return key ? RawValue(key, name) : "<no key>";
  }
  ScopedRoot m_root;
  std::string m_error;
};

TEST_F(RegFileApplierTest, AppliesEveryKindOfStepAcrossHives) {
  ASSERT_TRUE(Import("REGEDIT4\n[HKCU\\A\\Gone\\Deep]\n\"x\"=dword:1\n[HKCU\\A]\n\"old\"=\"o\"\n")) << m_error;
  ASSERT_TRUE(Import("REGEDIT4\n[HKEY_CURRENT_USER\\A]\n@=\"top\"\n\"n\"=dword:2a\n\"old\"=-\n\"never\"=-\n"
                     "[-HKEY_CURRENT_USER\\A\\Gone]\n[-HKEY_CURRENT_USER\\Missing\\Too]\n"
                     "[HKLM\\M\\Empty]\n[HKLM\\M]\n\"b\"=hex:01,02\n")) << m_error;
  EXPECT_EQ("1:top\0"s, Get(HKEY_CURRENT_USER, "A", ""));
  EXPECT_EQ("4:*\0\0\0"s, Get(HKEY_CURRENT_USER, "A", "n"));
  EXPECT_EQ("<missing>", Get(HKEY_CURRENT_USER, "A", "old"));
  EXPECT_EQ("<no key>", Get(HKEY_CURRENT_USER, "A\\Gone", "x"));
  EXPECT_EQ("3:\1\2", Get(HKEY_LOCAL_MACHINE, "M", "b"));
  EXPECT_EQ("<missing>", Get(HKEY_LOCAL_MACHINE, "M\\Empty", "b"));
}

TEST_F(RegFileApplierTest, AFailingStepLeavesEveryHiveAsItWas) {
  ASSERT_TRUE(Import("REGEDIT4\n[HKCU\\Keep]\n\"v\"=\"before\"\n")) << m_error;
  EXPECT_FALSE(Import("REGEDIT4\n[HKCU\\Keep]\n\"v\"=\"after\"\n[HKLM\\New]\n\"w\"=dword:1\n[-HKCU\\Keep]\n"
                      "[HKCR\\C]\n\"" + std::string(16384, 'n') + "\"=dword:1\n"));
  EXPECT_TRUE(m_error.starts_with("line 8: could not set value \"nnnnnnnnnn...\" in HKCR\\C: invalid name")) << m_error;
  EXPECT_EQ("1:before\0"s, Get(HKEY_CURRENT_USER, "Keep", "v"));
  EXPECT_EQ("<no key>", Get(HKEY_LOCAL_MACHINE, "New", "w"));
  EXPECT_EQ("<no key>", Get(HKEY_CLASSES_ROOT, "C", ""));
}

TEST_F(RegFileApplierTest, ImportsUnderAnotherKeyOfAHiveFile) {
  HeldKey file = HeldKey::Hive(m_root.File("other.db"));
  ASSERT_TRUE(Import("REGEDIT4\n[HKCU]\n\"r\"=dword:1\n[HKLM\\S]\n\"s\"=\"t\"\n", Into(file, "Imported\\Here")))
      << m_error;
  EXPECT_EQ("4:\1\0\0\0"s, Get(file, "Imported\\Here", "r"));
  EXPECT_EQ("1:t\0"s, Get(file, "Imported\\Here\\S", "s"));
  EXPECT_EQ("<no key>", Get(HKEY_LOCAL_MACHINE, "S", "s"));
}

// Steps that reach the applier without the parser: a NUL would end the name at the registry call.
TEST_F(RegFileApplierTest, NamesWithANulByteAreRefusedBeforeAnyChange) {
  ASSERT_TRUE(Import("REGEDIT4\n[HKCU\\T\\Victim]\n\"na\"=\"keep\"\n@=\"default\"\n")) << m_error;
  std::vector<RegFileOperation> const cases[] = {
      {{Kind::DeleteKey, "HKCU\\T\\Victim\0NotThisOne"s, "", 0, "", 2}},
      {{Kind::SetValue, "HKCU\\T\\Victim", "na\0me"s, REG_SZ, "x\0"s, 2}},
      {{Kind::SetValue, "HKCU\\T\\Victim", "\0"s, REG_SZ, "x\0"s, 2}},
      {{Kind::SetValue, "HKCU\\New", "v", REG_SZ, "x\0"s, 2},
       {Kind::DeleteValue, "HKCU\\T\\Victim", "na\0"s, 0, "", 3}},
  };
  for (auto const& steps : cases) {
    EXPECT_FALSE(Import(steps));
    EXPECT_NE(std::string::npos, m_error.find("NUL")) << m_error;
  }
  EXPECT_EQ("1:keep\0"s, Get(HKEY_CURRENT_USER, "T\\Victim", "na"));
  EXPECT_EQ("1:default\0"s, Get(HKEY_CURRENT_USER, "T\\Victim", ""));
  EXPECT_EQ("<no key>", Get(HKEY_CURRENT_USER, "New", "v"));
}

// The file's own paths are within the limit, but the key it is imported under adds a level.
TEST_F(RegFileApplierTest, KeysPastTheDepthLimitAreRefusedWhole) {
  std::string const file = "REGEDIT4\n[HKCU\\A]\n\"v\"=dword:1\n[HKCU\\" + KeyChainPath(kRegMaxKeyDepth) + "]\n";
  EXPECT_TRUE(Import(file, Into(HKEY_CURRENT_USER))) << m_error;
  EXPECT_FALSE(Import(file, Into(HKEY_CURRENT_USER, "Under")));
  EXPECT_TRUE(m_error.starts_with("line 4: could not create key HKCU\\k\\k")) << m_error;
  EXPECT_NE(std::string::npos, m_error.find("at most 512 levels")) << m_error;
  EXPECT_EQ("<no key>", Get(HKEY_CURRENT_USER, "Under\\A", "v"));
  EXPECT_EQ("4:\1\0\0\0"s, Get(HKEY_CURRENT_USER, "A", "v"));
}

TEST_F(RegFileApplierTest, AHiveWithoutATargetIsRefusedBeforeAnyChange) {
  auto const userOnly = [](std::string_view hive, HKEY& root, std::string& prefix) {
    prefix.clear();
    return (root = hive == std::string_view("HKCU") ? HKEY_CURRENT_USER : nullptr) != nullptr;
  };
  EXPECT_FALSE(Import("REGEDIT4\n[HKCU\\A]\n\"v\"=dword:1\n[HKLM\\B]\n", userOnly));
  EXPECT_EQ("line 4: there is no hive \"HKLM\" to import into", m_error);
  EXPECT_EQ("<no key>", Get(HKEY_CURRENT_USER, "A", "v"));
}

TEST(Utf16TextTest, ConvertsBothWaysAndRefusesMalformedInput) {
  struct Case { std::string utf8; std::string utf16le; };
  Case const good[] = {{"", ""}, {"A\0"s, "A\0\0\0"s}, {"\xC3\xA9", "\xE9\0"s}, {"\xE2\x82\xAC", "\xAC\x20"},
                       {"\xEF\xBF\xBF", "\xFF\xFF"}, {"\xF0\x9F\x98\x80", "\x3D\xD8\x00\xDE"s},
                       {"\xF4\x8F\xBF\xBF", "\xFF\xDB\xFF\xDF"}};
  for (Case const& c : good) {
    std::string utf16, utf8;
    std::size_t badOffset = 99;
    EXPECT_TRUE(Utf16Text::FromUtf8(c.utf8, utf16));
    EXPECT_EQ(c.utf16le, utf16);
    EXPECT_TRUE(Utf16Text::ToUtf8(c.utf16le, utf8, badOffset));
    EXPECT_EQ(c.utf8, utf8);
  }
  // Overlong, truncated, surrogate and out-of-range UTF-8.
  for (std::string bad : {"\xC0\x80", "\xE0\x80\x80", "\xC3", "\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "a\xFF"}) {
    std::string out = "kept";
    EXPECT_FALSE(Utf16Text::FromUtf8(bad, out)) << bad;
    EXPECT_FALSE(Utf16Text::IsUtf8(bad)) << bad;
    EXPECT_EQ("kept", out);
  }
  struct Bad { std::string utf16le; std::size_t offset; };
  for (Bad const& c :
       {Bad{"a", 0}, Bad{"a\0b"s, 2}, Bad{"\x00\xDC"s, 0}, Bad{"a\0\x00\xD8"s, 2}, Bad{"\x00\xD8" "a\0"s, 0}}) {
    std::string out = "kept";
    std::size_t badOffset = 99;
    EXPECT_FALSE(Utf16Text::ToUtf8(c.utf16le, out, badOffset));
    EXPECT_EQ(c.offset, badOffset);
    EXPECT_EQ("kept", out);
  }
}

}  // namespace
