#include "VString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "VStringArray.h"

namespace {

// Texts up to 22 bytes live in the object; these cross that boundary both ways.
TEST(VStringTest, TextsAroundTheInlineRoomKeepTheirBytesThroughCopiesMovesAndGrowth) {
  for (size_t length : {0, 1, 5, 21, 22, 23, 24, 45, 200}) {
    SCOPED_TRACE(length);
    std::string bytes(length, 'k');
    if (length > 2) bytes[2] = '\0';
    VString text(bytes.data(), bytes.size());
    VString copied(text);
    VString moved(std::move(copied));
    EXPECT_EQ(bytes, moved.Str());
    EXPECT_TRUE(copied.IsEmpty());
    EXPECT_STREQ("", copied.c_str());
    copied = std::move(moved);
    EXPECT_EQ(bytes, copied.Str());
    copied += copied;
    EXPECT_EQ(bytes + bytes, copied.Str());
    text = copied.View().substr(length);
    EXPECT_EQ(bytes, text.Str());
    text = text.View().substr(length / 2);
    EXPECT_EQ(bytes.substr(length / 2), text.Str());
    EXPECT_EQ('\0', text.c_str()[text.Length()]);
  }
  VString grown;
  for (int i = 0; i < 100; ++i) grown += grown.IsEmpty() ? "x" : grown.View().substr(0, 1);
  EXPECT_EQ(std::string(100, 'x'), grown.Str());
}

TEST(VStringTest, GetBufferLetsACallerFillInPlace) {
  VString text("keep");
  char* buffer = text.GetBuffer(40);
  std::memcpy(buffer + 4, "-filled", 7);
  text.SetLength(11);
  EXPECT_EQ("keep-filled", text);
  buffer = text.GetBuffer(11);
  buffer[2] = '\0';
  text.ReleaseBuffer();
  EXPECT_EQ("ke", text);
  VString reused("twenty-two bytes here!");
  VString away(std::move(reused));
  reused.GetBuffer(5);
  reused.ReleaseBuffer();
  EXPECT_TRUE(reused.IsEmpty()) << "a fresh buffer reads as empty, whatever the room held before";
}

TEST(VStringTest, ASensitiveStringWipesWhatItLetsGo) {
  VString secret;
  secret.SetSensitive();
  secret = "hunter2-hunter2";
  char const* bytes = secret.c_str();
  size_t const length = secret.Length();
  secret.Empty();
  EXPECT_EQ(bytes, secret.c_str()) << "the buffer is kept, so it can be inspected";
  EXPECT_EQ(std::string(length, '\0'), std::string(bytes, length));
  VString copy(secret);
  EXPECT_TRUE(copy.IsSensitive()) << "copies keep the mark";
  VString plain("x");
  plain = copy;
  EXPECT_TRUE(plain.IsSensitive()) << "assignment from a secret marks the target";
  secret = "pin 1234";
  bytes = secret.c_str();
  VString taken(std::move(secret));
  EXPECT_EQ("pin 1234", taken);
  EXPECT_EQ(std::string(8, '\0'), std::string(bytes, 8)) << "the moved-from object's own room";
}

TEST(VStringArrayTest, IndexOutsideTheArrayThrows) {
  VStringArray list{"a", "b"};
  EXPECT_EQ("b", list[1]);
  EXPECT_THROW(list[2], std::out_of_range);
  EXPECT_THROW(list[-1], std::out_of_range);
  EXPECT_THROW(list.RemoveAt(5), std::out_of_range);
  list.InsertAt(2, "c");
  EXPECT_EQ(3, list.GetSize());
}

}  // namespace
