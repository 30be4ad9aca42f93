#include "platform/registry/RegFileWriter.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/registry/RegFileParser.h"
#include "support/Golden.h"

namespace {

using namespace std::string_literals;
using Kind = RegFileOperation::Kind;

std::string const kTop = "HKEY_CURRENT_USER\\Software\\Brimvale";

RegFileOperation Key(std::string key, Kind kind = Kind::CreateKey) { return {kind, std::move(key), "", REG_NONE, "", 0}; }

RegFileOperation Value(std::string name, unsigned long type, std::string data, std::string key = kTop) {
  return {Kind::SetValue, std::move(key), std::move(name), type, std::move(data), 0};
}

std::vector<RegFileOperation> GoldenSteps() {
  return {Key(kTop),
          Value("", REG_SZ, "top\0"s),
          Value("Host", REG_SZ, "a\"b\\c\0"s),
          Value("Port", REG_DWORD, "\x16\0\0\0"s),
          Value("Line", REG_SZ, "a\nb\0"s),
          Value("Q", REG_QWORD, "\1\2\3\4\5\6\7\x8"s),
          Value("Odd", REG_DWORD, "\1\2"s),
          Key(kTop + "\\Sessions"),
          Value("Fwd", REG_MULTI_SZ, "a\0b\0\0"s, kTop + "\\Sessions\\Default"),
          {Kind::DeleteValue, kTop + "\\Sessions\\Default", "Old", REG_NONE, "", 0},
          Key("HKEY_CURRENT_USER\\Software\\Gone", Kind::DeleteKey)};
}

std::string Write(std::vector<RegFileOperation> const& steps, RegFileFormat format) {
  RegFileWriter writer(format);
  std::string file;
  EXPECT_TRUE(writer.Write(steps, file)) << writer.Error();
  return file;
}

// The older format in 8-bit text, the newer one in UTF-16 after its byte-order mark.
TEST(RegFileWriterTest, WritesTheGoldenTextInBothFormats) {
  ExpectGolden("regedit4.reg", Write(GoldenSteps(), RegFileFormat::Regedit4));
  ExpectGolden("regedit5.reg", Write(GoldenSteps(), RegFileFormat::Version5));
}

TEST(RegFileWriterTest, HexWrapsAtEightyColumnsWithABackslashAndTwoSpaces) {
  struct Case { std::size_t bytes; std::vector<std::size_t> bytesPerLine; };
  // "n"=hex: takes 8 columns; a wrapped line ends in "xx,\", continuation lines start with two spaces;
  // the last line needs no backslash, so one more byte fits there.
  Case const cases[] = {{0, {0}}, {24, {24}}, {25, {23, 2}}, {48, {23, 25}}, {49, {23, 26}}, {50, {23, 25, 2}}, {100, {23, 25, 25, 25, 2}}};
  for (Case const& c : cases) {
    std::string const file = Write({Key(kTop), Value("n", REG_BINARY, std::string(c.bytes, '\x5a'))}, RegFileFormat::Regedit4);
    std::istringstream lines(file.substr(file.find("\"n\"")));
    std::vector<std::size_t> counts;
    for (std::string line; std::getline(lines, line) && line != "\r";) {
      ASSERT_TRUE(line.ends_with('\r'));
      line.pop_back();
      EXPECT_LE(line.size(), 80u) << line;
      EXPECT_TRUE(counts.empty() ? line.starts_with("\"n\"=hex:") : line.starts_with("  5a")) << line;
      bool const continued = line.ends_with(",\\");
      EXPECT_EQ(continued, counts.size() + 1 < c.bytesPerLine.size()) << line;
      counts.push_back(std::count(line.begin(), line.end(), 'a'));
    }
    EXPECT_EQ(c.bytesPerLine, counts) << c.bytes;
  }
}

TEST(RegFileWriterTest, ExportsParseBackToTheSameSteps) {
  std::string const longName(90, 'N');
  std::vector<RegFileOperation> const steps = {
      Key(kTop),
      Value("", REG_SZ, "\0"s),
      Value("empty", REG_SZ, ""),
      Value("caf\xC3\xA9 \"q\" \\", REG_SZ, "\xE2\x82\xAC \\\\ \"\0"s),
      Value("dword", REG_DWORD, "\xff\xff\xff\xff"s),
      Value("blob", REG_BINARY, std::string(1000, '\x80') + "\0\1"s),
      Value(longName, REG_BINARY, "\1\2\3"s),
      Value("none", REG_NONE, ""),
      Value("odd kind", 0x12345678, "xyz"),
      Value("expand", REG_EXPAND_SZ, "%HOME%\\x\0"s),
      Value("multi", REG_MULTI_SZ, "one\0t\xC3\xA9two\0\0"s),
      Key(kTop + "\\Sub\\Deeper"),
      Value("tab\tname", REG_SZ, "semi;colon\0"s, kTop + "\\Sub\\Deeper"),
  };
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

}  // namespace
