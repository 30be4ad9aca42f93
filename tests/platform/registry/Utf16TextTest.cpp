#include "platform/registry/Utf16Text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

TEST(Utf16TextTest, ConvertsBothWaysAndRefusesMalformedInput) {
  struct Case { std::string utf8; std::string utf16le; };
  Case const good[] = {{"", ""},
                       {"A\0"s, "A\0\0\0"s}, {"\xC3\xA9", "\xE9\0"s}, {"\xE2\x82\xAC", "\xAC\x20"},
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
  Bad const bad16[] = {{"a", 0}, {"a\0b"s, 2}, {"\x00\xDC"s, 0}, {"a\0\x00\xD8"s, 2}, {"\x00\xD8" "a\0"s, 0}};
  for (Bad const& c : bad16) {
    std::string out = "kept";
    std::size_t badOffset = 99;
    EXPECT_FALSE(Utf16Text::ToUtf8(c.utf16le, out, badOffset));
    EXPECT_EQ(c.offset, badOffset);
    EXPECT_EQ("kept", out);
  }
}

}  // namespace
