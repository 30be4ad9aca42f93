#include "platform/registry/RegFileParser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/registry/Registry.h"
#include "support/KeyChainPath.h"

namespace {

using Kind = RegFileOperation::Kind;

RegFileOperation Key(std::string key, int line, Kind kind = Kind::CreateKey) {
  return {kind, std::move(key), "", REG_NONE, "", line};
}

RegFileOperation Value(std::string name, unsigned long type, std::string data, int line,
                       std::string key = "HKEY_CURRENT_USER\\A") {
  return {Kind::SetValue, std::move(key), std::move(name), type, std::move(data), line};
}

std::string const R4 = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n";
std::string const V5 = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\A]\n";

// UTF-16LE bytes of the text, with a byte order mark.
std::string Utf16File(std::u16string const& text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : text) bytes += std::string{static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
  return bytes;
}

TEST(RegFileParserTest, GoodFilesGiveTheirSteps) {
  using namespace std::string_literals;
  struct Case { std::string file; std::vector<RegFileOperation> expected; };
  Case const cases[] = {
      {"REGEDIT4", {}}, {"REGEDIT4\n; only a comment\n\n", {}},
      {"\xEF\xBB\xBF" "REGEDIT4\n[HKLM\\X\\Y]", {Key("HKLM\\X\\Y", 2)}},
      {R4 + "\"s\"=\"a \\\"q\\\" \\\\ b\"\r\n",
       {Key("HKEY_CURRENT_USER\\A", 3), Value("s", REG_SZ, "a \"q\" \\ b\0"s, 4)}},
      {R4 + "@=\"d\" ; comment\r\n\"\"=\"\"\r\n",
       {Key("HKEY_CURRENT_USER\\A", 3), Value("", REG_SZ, "d\0"s, 4), Value("", REG_SZ, "\0"s, 5)}},
      {R4 + "\"n\" = dword:1\r\n\"m\"=dword:FFFFffff;c\r\n",
       {Key("HKEY_CURRENT_USER\\A", 3), Value("n", REG_DWORD, "\1\0\0\0"s, 4),
        Value("m", REG_DWORD, "\xff\xff\xff\xff"s, 5)}},
      {R4 + "\"b\"=hex:00,ff\r\n\"e\"=hex:\r\n\"q\"=hex(b):01,02,03,04,05,06,07,08\r\n\"z\"=hex(0):\r\n",
       {Key("HKEY_CURRENT_USER\\A", 3), Value("b", REG_BINARY, "\0\xff"s, 4), Value("e", REG_BINARY, "", 5),
        Value("q", REG_QWORD, "\1\2\3\4\5\6\7\x8"s, 6), Value("z", REG_NONE, "", 7)}},
      {R4 + "\"c\"=hex:01, 02,\\\r\n   03,\\\n  04 ; end\r\n\"d\"=hex:\\\n  05\n",
       {Key("HKEY_CURRENT_USER\\A", 3), Value("c", REG_BINARY, "\1\2\3\4", 4), Value("d", REG_BINARY, "\5", 7)}},
      {R4 + "\"m\"=hex(7):61,00,62,00,00\r\n\"x\"=hex(2):25,00\r\n",
       {Key("HKEY_CURRENT_USER\\A", 3), Value("m", REG_MULTI_SZ, "a\0b\0\0"s, 4),
        Value("x", REG_EXPAND_SZ, "%\0"s, 5)}},
      {V5 + "\"m\"=hex(7):61,00,00,00,e9,00,00,00,00,00\n\"x\"=hex(2):3d,d8,00,de,00,00\n",
       {Key("HKEY_CURRENT_USER\\A", 3), Value("m", REG_MULTI_SZ, "a\0\xC3\xA9\0\0"s, 4),
        Value("x", REG_EXPAND_SZ, "\xF0\x9F\x98\x80\0"s, 5)}},
      {V5 + "\"b\"=hex:61,00\n", {Key("HKEY_CURRENT_USER\\A", 3), Value("b", REG_BINARY, "a\0"s, 4)}},
      {"REGEDIT4\n[-HKCU\\Gone]\n[HKCU\\B]\n\"v\"=-\n@=-\n",
       {Key("HKCU\\Gone", 2, Kind::DeleteKey), Key("HKCU\\B", 3), {Kind::DeleteValue, "HKCU\\B", "v", 0, "", 4},
        {Kind::DeleteValue, "HKCU\\B", "", 0, "", 5}}},
      {"REGEDIT4\n[HKEY_CLASSES_ROOT]\n[HKCU\\a]b]\n", {Key("HKEY_CLASSES_ROOT", 2), Key("HKCU\\a]b", 3)}},
      {Utf16File(u"Windows Registry Editor Version 5.00\r\n\r\n[HKCU\\A]\r\n\"s\"=\"t\"\r\n"),
       {Key("HKCU\\A", 3), Value("s", REG_SZ, "t\0"s, 4, "HKCU\\A")}},
      {Utf16File(u"REGEDIT4\n[HKCU\\Stra\u00DFe]\n\"\u00C4\"=\"\u20AC\"\n"),
       {Key("HKCU\\Stra\xC3\x9F" "e", 2), Value("\xC3\x84", REG_SZ, "\xE2\x82\xAC\0"s, 3, "HKCU\\Stra\xC3\x9F" "e")}},
      {"REGEDIT4\n[HKCU\\" + KeyChainPath(kRegMaxKeyDepth) + "]\n", {Key("HKCU\\" + KeyChainPath(kRegMaxKeyDepth), 2)}},
  };
  for (Case const& c : cases) {
    RegFileParser parser;
    ASSERT_TRUE(parser.Parse(c.file)) << c.file << "\n" << parser.ErrorText();
    EXPECT_EQ(c.expected, parser.Operations()) << c.file;
  }
}

TEST(RegFileParserTest, MalformedFilesAreRefusedWithTheirLine) {
  using namespace std::string_literals;
  struct Case { std::string file; int line; std::string reasonPart; };
  Case const cases[] = {
      {"", 1, "first line"}, {"regedit4\n", 1, "first line"}, {"REGEDIT4 \n", 1, "first line"},
      {"\nREGEDIT4\n", 1, "first line"}, {"Windows Registry Editor Version 5.0\n", 1, "first line"},
      {"\xFE\xFF\0R"s, 1, "big-endian"}, {"\xFF\xFE" "R\0\n\0\x00\xDC"s, 2, "UTF-16"},
      {"\xFF\xFE" "R\0E"s, 1, "UTF-16"}, {"REGEDIT4\n\"a\"=\"b\"\n", 2, "before any [key]"},
      {"REGEDIT4\n[HKCU\\A\n", 2, "closing ]"}, {"REGEDIT4\n[]\n", 2, "empty"},
      {"REGEDIT4\n[HKEY_USERS\\A]\n", 2, "unknown hive"}, {"REGEDIT4\n[HKCU\\A\\\\B]\n", 2, "empty part"},
      {"REGEDIT4\n[HKCU\\A\\]\n", 2, "empty part"}, {"REGEDIT4\n[-HKCU]\n", 2, "whole hive"},
      {"REGEDIT4\n[-HKCU\\A]\n\"a\"=\"b\"\n", 3, "deletion"}, {R4 + "x=1\r\n", 4, "expected a key"},
      {R4 + "\"a\"\"b\"\r\n", 4, "expected ="}, {R4 + "\"a=\"b\"\r\n", 4, "expected ="},
      {R4 + "\"a\"=\"b\r\n", 4, "no closing quote"}, {R4 + "\"a\\n\"=\"b\"\r\n", 4, "backslash"},
      {R4 + "\"a\"=\"b\" c\r\n", 4, "unexpected text"}, {R4 + "\"a\"=dword:\r\n", 4, "1 to 8 hex digits"},
      {R4 + "\"a\"=dword:123456789\r\n", 4, "1 to 8 hex digits"}, {R4 + "\"a\"=dword:12g\r\n", 4, "1 to 8 hex digits"},
      {R4 + "\"a\"=dword:-1\r\n", 4, "1 to 8 hex digits"}, {R4 + "\"a\"=qword:1\r\n", 4, "unknown value data"},
      {R4 + "\"a\"=hex():00\r\n", 4, "hex(N)"}, {R4 + "\"a\"=hex(123456789):00\r\n", 4, "hex(N)"},
      {R4 + "\"a\"=hex(2:00\r\n", 4, "hex(N)"}, {R4 + "\"a\"=hex:0\r\n", 4, "two-digit"},
      {R4 + "\"a\"=hex:000\r\n", 4, "two-digit"}, {R4 + "\"a\"=hex:00;01,zz\r\n\"b\"=hex:00 01\r\n", 5, "two-digit"},
      {R4 + "\"a\"=hex:00,\r\n", 4, "ends with a comma"}, {R4 + "\"a\"=hex:00,,01\r\n", 4, "two-digit"},
      {R4 + "\"a\"=hex:00,\\\r\n", 4, "file ends"}, {R4 + "\"a\"=hex:00,\\\r\n\r\n\"b\"=-\r\n", 5, "empty line"},
      {R4 + "\"a\"=hex:00,\\\r\n  01,\\\r\n  zz\r\n", 6, "two-digit"}, {R4 + "\"a\"=- x\r\n", 4, "unexpected text"},
      {V5 + "\"m\"=hex(7):61,00,62\n", 4, "UTF-16LE"}, {V5 + "\"m\"=hex(1):00,d8,00,00\n", 4, "UTF-16LE"},
      {"REGEDIT4\n[-HKCU\\T\\Victim\0NotThisOne]\n"s, 2, "NUL"}, {R4 + "\"na\0me\"=\"x\"\r\n"s, 4, "NUL"},
      {R4 + "\"\0\"=\"x\"\r\n"s, 4, "NUL"},
      {Utf16File(u"Windows Registry Editor Version 5.00\r\n\r\n[-HKCU\\T\\Victim\0X]\r\n"s), 3, "NUL"},
      {Utf16File(u"Windows Registry Editor Version 5.00\r\n[HKCU\\T]\r\n\"na\0me\"=-\r\n"s), 3, "NUL"},
      {"REGEDIT4\n[HKCU\\" + KeyChainPath(kRegMaxKeyDepth + 1) + "]\n", 2, "more than 512 levels"},
      {"REGEDIT4\n[-HKCU\\" + KeyChainPath(kRegMaxKeyDepth + 1) + "]\n", 2, "more than 512 levels"},
  };
  for (Case const& c : cases) {
    RegFileParser parser;
    EXPECT_FALSE(parser.Parse(c.file)) << c.file;
    EXPECT_TRUE(parser.Operations().empty()) << c.file;
    EXPECT_EQ(c.line, parser.ErrorLine()) << c.file << "\n" << parser.ErrorText();
    EXPECT_NE(std::string::npos, parser.ErrorReason().find(c.reasonPart)) << c.file << "\n" << parser.ErrorText();
    EXPECT_EQ("line " + std::to_string(c.line) + ": " + parser.ErrorReason(), parser.ErrorText());
  }
}

TEST(RegFileParserTest, AFailureAfterGoodStepsLeavesNoSteps) {
  RegFileParser parser;
  ASSERT_TRUE(parser.Parse(R4 + "\"a\"=dword:1\r\n"));
  EXPECT_FALSE(parser.Parse(R4 + "\"a\"=dword:1\r\n\"b\"=dword:\r\n"));
  EXPECT_TRUE(parser.Operations().empty());
  EXPECT_EQ(5, parser.ErrorLine());
}

TEST(RegFileParserTest, LongHexRunsParseWhole) {
  std::string file = R4 + "\"big\"=hex:";
  std::string expected;
  for (int i = 0; i < 100000; ++i) {
    file += "ab,";
    if (i % 25 == 24) file += "\\\r\n  ";
    expected += '\xab';
  }
  file += "ab\r\n";
  expected += '\xab';
  RegFileParser parser;
  ASSERT_TRUE(parser.Parse(file)) << parser.ErrorText();
  ASSERT_EQ(2u, parser.Operations().size());
  EXPECT_EQ(expected, parser.Operations()[1].data);
}

}  // namespace
