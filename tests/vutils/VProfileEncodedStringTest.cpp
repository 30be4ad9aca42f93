#include <gtest/gtest.h>

#include <cctype>

#include "MemoryKey.h"
#include "VProfileEncodedString.h"

namespace {

unsigned HexByte(std::string const& text, size_t pair) { return std::stoul(text.substr(pair * 2, 2), nullptr, 16); }

TEST(VProfileEncodedString, EncodedFormOfAbc) {
  std::string const stored = VProfileEncodedString::Encode("abc").Str();
  ASSERT_EQ(stored.size(), 14u);
  EXPECT_EQ(stored.find_first_not_of("0123456789abcdef"), std::string::npos) << stored;
  unsigned const key[3] = {HexByte(stored, 0), HexByte(stored, 1), HexByte(stored, 2)};
  EXPECT_EQ(HexByte(stored, 4), 0x61u ^ key[0]);
  EXPECT_EQ(HexByte(stored, 5), 0x62u ^ key[1]);
  EXPECT_EQ(HexByte(stored, 6), 0x63u ^ key[2]);
  EXPECT_EQ(VProfileEncodedString::Decode(stored), "abc");
  std::string upper = stored;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ(VProfileEncodedString::Decode(upper), "abc");
  EXPECT_EQ(VProfileEncodedString::Encode(""), "");
}

TEST(VProfileEncodedString, DecodeOfKnownForms) {
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
}

// Load, dirty and save are the shared value protocol's; here what is particular to the form.
TEST(VProfileEncodedString, StoredFormIsEncodedAfreshAtEveryWrite) {
  MemoryKey memory;
  VProfileEncodedString password;
  password.Load(memory.key, "Password", "fallback");
  EXPECT_TRUE(password.IsSensitive());
  password.Save(memory.key, false);
  std::string const first = memory.StoredSz("Password");
  EXPECT_EQ(VProfileEncodedString::Decode(first), "fallback");
  EXPECT_EQ(first.size(), 8u + 2 * 8);
  password.Save(memory.key, true);
  EXPECT_EQ(VProfileEncodedString::Decode(memory.StoredSz("Password")), "fallback");
  EXPECT_NE(memory.StoredSz("Password"), first);
}

}  // namespace
