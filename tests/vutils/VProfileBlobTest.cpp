#include <gtest/gtest.h>

#include "MemoryKey.h"
#include "VProfileBlob.h"

namespace {

std::string Bytes(VProfileBlob const& blob) {
  return std::string(reinterpret_cast<char const*>(blob.Data()), blob.Length());
}

class VProfileBlobTest : public ::testing::Test, protected MemoryKey {};

TEST_F(VProfileBlobTest, LoadCases) {
  ASSERT_TRUE(key->SetBinary("Block", "\x01\x00\x02", 3));
  ASSERT_TRUE(key->SetBinary("Empty", "", 0));
  ASSERT_TRUE(key->SetSz("Text", "abc"));
  struct Case { char const* name; bool result; std::string bytes; };
  Case const cases[] = {
      {"Block", true, std::string("\x01\x00\x02", 3)}, {"Missing", false, ""}, {"Empty", false, ""}, {"Text", false, ""}};
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
}

TEST_F(VProfileBlobTest, SaveWritesWheneverThereAreBytes) {
  VProfileBlob blob;
  blob.Load(key, "Blob");
  blob.Save(key, true);
  unsigned char probe = 0;
  unsigned long size = 0;
  EXPECT_FALSE(key->GetBinary("Blob", &probe, size));
  EXPECT_EQ(size, 0UL);
  blob.Assign("xyz", 3);
  blob.Checkpoint();
  blob.Save(key, false);
  VProfileBlob again;
  EXPECT_TRUE(again.Load(key, "Blob"));
  EXPECT_EQ(Bytes(again), "xyz");
  // The empty text clears the stored value; a blob that was merely left empty keeps it.
  VProfileBlob leftEmpty;
  leftEmpty.Load(nullptr, "Blob");
  leftEmpty.Save(key, true);
  EXPECT_TRUE(VProfileBlob().Load(key, "Blob"));
  VString error;
  ASSERT_TRUE(again.FromText("", error)) << error;
  again.Save(key, false);
  EXPECT_FALSE(VProfileBlob().Load(key, "Blob"));
}

// Rollback, delta and copies follow the shared protocol; a blob compares length and bytes.
TEST_F(VProfileBlobTest, ModifiedComparesEveryByteAndTheLength) {
  VProfileBlob blob;
  EXPECT_FALSE(blob.IsModified());
  blob.Assign("abc", 3);
  EXPECT_TRUE(blob.IsModified()) << "before any checkpoint, against the empty blob";
  blob.Checkpoint();
  blob.Assign("abd", 3);
  EXPECT_TRUE(blob.IsModified());
  blob.Assign("abcd", 4);
  EXPECT_TRUE(blob.IsModified());
  blob.Rollback();
  EXPECT_TRUE(blob.IsDirty()) << "bytes copied back in are written again";
}

}  // namespace
