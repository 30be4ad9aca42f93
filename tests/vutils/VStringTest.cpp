#include "VString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "VStringArray.h"

namespace {

TEST(VStringTest, HoldsBytesWithZerosAndAppendsItself) {
  VString text("ab\0cd", 5);
  EXPECT_EQ(std::string_view("ab\0cd", 5), text.View());
  text += text;
  EXPECT_EQ(std::string_view("ab\0cdab\0cd", 10), text.View());
  text = text.View().substr(3);
  EXPECT_EQ(std::string_view("cdab\0cd", 7), text.View());
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
