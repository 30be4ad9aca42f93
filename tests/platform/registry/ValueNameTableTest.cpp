#include "platform/registry/ValueNameTable.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/registry/NameFolding.h"

namespace {

// One scratch buffer serves names longer and shorter than the last; invalid UTF-8 folds ASCII only.
TEST(NameFoldingTest, FoldsAsciiUnicodeAndInvalidBytesIntoAReusedBuffer) {
  std::string scratch;
  std::pair<char const*, char const*> const cases[] = {
      {"A Rather Long Option Name Of Forty Bytes", "a rather long option name of forty bytes"}, {"Ab", "ab"}, {"", ""},
      {"ÄRGER Straße", "ärger strasse"}, {"x\xff" "Y", "x\xff" "y"}};
  for (auto const& [name, folded] : cases) {
    EXPECT_EQ(folded, FoldName(name, scratch)) << name;
    EXPECT_EQ(folded, FoldName(name)) << name;
  }
}

// Ids by place and by number alike; a known id keeps its first spelling; Clear forgets all.
TEST(ValueNameTableTest, NamesAreFoundByIdAndByFoldedName) {
  ValueNameTable table;
  struct Case { int64_t id; char const* name; char const* folded; };
  Case const cases[] = {{1, "Is Session", "is session"},  {2, "Hostname", "hostname"},
                        {65535, "Last Dense", "last dense"}, {65536, "First Sparse", "first sparse"},
                        {1LL << 40, "Far", "far"},          {-3, "Negative", "negative"}};
  for (Case const& c : cases) table.Add(c.id, c.name, c.folded);
  table.Add(2, "HOSTNAME", "hostname");
  for (Case const& c : cases) {
    ValueNameTable::Name const* found = table.Find(c.id);
    ASSERT_NE(nullptr, found) << c.id;
    EXPECT_EQ(c.name, found->name) << c.id;
    EXPECT_EQ(c.folded, found->folded) << c.id;
    int64_t const* id = table.IdOf(c.folded);
    ASSERT_NE(nullptr, id) << c.folded;
    EXPECT_EQ(c.id, *id);
  }
  EXPECT_EQ(nullptr, table.Find(3));
  EXPECT_EQ(nullptr, table.Find(70000));
  EXPECT_EQ(nullptr, table.IdOf("Hostname")) << "looked up by folded name only";
  table.Clear();
  EXPECT_EQ(nullptr, table.Find(1));
  EXPECT_EQ(nullptr, table.IdOf("far"));
}

}  // namespace
