#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/registry/RegFileApplier.h"
#include "platform/registry/RegFileParser.h"
#include "platform/registry/RegFileWriter.h"
#include "platform/registry/RegHiveName.h"
#include "platform/registry/Registry.h"
#include "platform/registry/Utf16Text.h"
#include "support/CaseFile.h"
#include "support/UnquotedText.h"
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

RegFileOperation Key(std::string key, int line = 0, Kind kind = Kind::CreateKey) {
  return {kind, std::move(key), "", REG_NONE, "", line};
}

RegFileOperation Value(std::string name, unsigned long type, std::string data, std::string key = kTop) {
  return {Kind::SetValue, std::move(key), std::move(name), type, std::move(data), 0};
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

// One parser reads a good file before each case: a refusal leaves no step of either.
TEST(RegFileParserTest, FilesParseToTheirStepsOrAreRefusedWithTheirLine) {
  RegFileParser parser;
  ExpectCaseFile("platform/regfile_cases.txt", [&](std::string const& escaped) {
    EXPECT_TRUE(parser.Parse(R4 + "\"a\"=dword:1\r\n"));
    if (parser.Parse(UnquotedText(escaped))) return Steps(parser.Operations());
    EXPECT_TRUE(parser.Operations().empty());
    EXPECT_EQ("line " + std::to_string(parser.ErrorLine()) + ": " + parser.ErrorReason(), parser.ErrorText());
    return "  " + parser.ErrorText() + "\n";
  });
  std::string const deepest = "HKCU\\" + KeyChainPath(kRegMaxKeyDepth);
  ASSERT_TRUE(parser.Parse("REGEDIT4\n[" + deepest + "]\n"));
  EXPECT_EQ(std::vector{Key(deepest, 2)}, parser.Operations());
  for (std::string const sign : {"", "-"}) {
    EXPECT_FALSE(parser.Parse("REGEDIT4\n[" + sign + deepest + "\\k]\n"));
    EXPECT_EQ("line 2: the key path is more than 512 levels deep below its hive", parser.ErrorText());
  }
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

// Each case is a value's size in bytes; the answer, the lines it is written as, without CR LF.
TEST(RegFileWriterTest, HexWrapsAtEightyColumnsWithABackslashAndTwoSpaces) {
  ExpectCaseFile("platform/regfile_hex_wrap.txt", [](std::string const& size) {
    std::string const data(std::stoul(size), '\x5a');
    std::string const file = Write({Key(kTop), Value("n", REG_BINARY, data)}, RegFileFormat::Regedit4);
    std::string const value = file.substr(file.find("\"n\""));
    std::string lines = value.substr(0, value.size() - 2), crlf;
    std::erase(lines, '\r');
    for (char c : lines) crlf += c == '\n' ? "\r\n" : std::string(1, c);
    EXPECT_EQ(value, crlf + "\r\n") << "every line ends in CR LF, and a blank line ends the key";
    return lines;
  });
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
  ExpectCaseFile("platform/utf16_text.txt", [](std::string const& line) {
    bool const fromUtf8 = line.starts_with("utf8 ");
    std::string const input = UnquotedText(line.substr(line.find(' ') + 1));
    std::string out = "kept", back;
    std::size_t badOffset = 99;
    if (!(fromUtf8 ? Utf16Text::FromUtf8(input, out) : Utf16Text::ToUtf8(input, out, badOffset))) {
      EXPECT_EQ("kept", out);
      EXPECT_FALSE(fromUtf8 && Utf16Text::IsUtf8(input));
      return fromUtf8 ? "  refused\n" : "  refused at byte " + std::to_string(badOffset) + "\n";
    }
    EXPECT_TRUE(fromUtf8 ? Utf16Text::ToUtf8(out, back, badOffset) : Utf16Text::FromUtf8(out, back));
    EXPECT_EQ(input, back);
    return "  " + DumpText(out) + "\n";
  });
}

}  // namespace
