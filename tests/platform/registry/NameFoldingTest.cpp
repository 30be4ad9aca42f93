#include "platform/registry/NameFolding.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

// One scratch buffer serves names longer and shorter than the last; invalid UTF-8 folds ASCII only.
TEST(NameFoldingTest, FoldsAsciiUnicodeAndInvalidBytesIntoAReusedBuffer) {
  std::string scratch;
  std::pair<char const*, char const*> const cases[] = {{"A Rather Long Option Name Of Forty Bytes",
                                                        "a rather long option name of forty bytes"},
                                                       {"Ab", "ab"},
                                                       {"", ""},
                                                       {"ÄRGER Straße", "ärger strasse"},
                                                       {"x\xff" "Y", "x\xff" "y"}};
  for (auto const& [name, folded] : cases) {
    EXPECT_EQ(folded, FoldName(name, scratch)) << name;
    EXPECT_EQ(folded, FoldName(name)) << name;
  }
}

}  // namespace
