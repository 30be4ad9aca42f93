#include <gtest/gtest.h>

#include <cstring>

#include "VBasicBuffer.h"
#include "platform/types/LastError.h"

namespace {

// Buffers are released, never deleted: the holder owns one reference.
struct Releaser {
  void operator()(VBasicBuffer* buffer) const { buffer->Release(); }
};
using BufferPtr = std::unique_ptr<VBasicBuffer, Releaser>;

TEST(VBasicBuffer, SetLengthClampsToTheCapacity) {
  struct Case { int length; bool result; unsigned int after; unsigned long error; };
  Case const cases[] = {{0, true, 0, 0}, {5, true, 5, 0}, {8, true, 8, 0}, {9, false, 8, 122}, {-1, false, 3, 87}};
  for (Case const& c : cases) {
    BufferPtr buffer(new VBasicBuffer(8, false));
    buffer->SetLength(3);
    SetLastError(0);
    EXPECT_EQ(buffer->SetLength(c.length), c.result) << c.length;
    EXPECT_EQ(buffer->Length(), c.after) << c.length;
    EXPECT_EQ(GetLastError(), c.error) << c.length;
  }
}

TEST(VBasicBuffer, AppendGrowsByCountAndExtra) {
  BufferPtr buffer(new VBasicBuffer(4, true));
  EXPECT_EQ(buffer->Capacity(), 4u);
  ASSERT_NE(buffer->Append("ab", 2, 0), nullptr);
  EXPECT_EQ(buffer->Capacity(), 4u);
  auto* region = static_cast<unsigned char*>(buffer->Append(nullptr, 3, 10));
  ASSERT_NE(region, nullptr);
  EXPECT_EQ(region, buffer->Data() + 2);
  EXPECT_EQ(buffer->Capacity(), 2u + 3 + 10);
  std::memcpy(region, "cde", 3);
  buffer->Append("f", 1, 0);
  EXPECT_EQ(std::string(reinterpret_cast<char const*>(buffer->Data()), buffer->Length()), "abcdef");
  EXPECT_EQ(buffer->Capacity(), 15u);
  SetLastError(0);
  EXPECT_EQ(buffer->Append(nullptr, 0xFFFFFFF0u, 0x100), nullptr);
  EXPECT_EQ(GetLastError(), 8UL);
  EXPECT_EQ(buffer->Length(), 6u);
}

TEST(VBasicBuffer, ReferenceCountingAndNoInterfaces) {
  auto* buffer = new VBasicBuffer(0, false);
  EXPECT_EQ(buffer->AddRef(), 2UL);
  void* object = buffer;
  EXPECT_EQ(buffer->QueryInterface(IID{}, &object), E_NOINTERFACE);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(buffer->Release(), 1UL);
  EXPECT_EQ(buffer->Release(), 0UL);
}

}  // namespace
