#include "platform/registry/NameFolding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The folding into a reused buffer answers as the allocating one, longer or shorter than before.
TEST(NameFoldingTest, FoldingIntoAScratchBufferMatchesTheAllocatingFolding) {
  std::string scratch;
  char const* const names[] = {"A Rather Long Option Name Of Forty Bytes", "Ab", "", "ÄRGER Straße", "x\xff" "Y"};
  for (char const* name : names) EXPECT_EQ(FoldName(name), FoldName(name, scratch)) << name;
  EXPECT_EQ("ab", FoldName("Ab", scratch));
  EXPECT_EQ("ärger strasse", FoldName("ÄRGER Straße", scratch));
}

}  // namespace
