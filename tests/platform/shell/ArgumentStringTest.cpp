#include "platform/shell/ArgumentString.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ArgumentStringTest, SplitsLikeAProgramReceivesIt) {
  using Words = std::vector<std::string>;
  struct Case { char const* text; Words words; };
  std::vector<Case> const cases{
      {"", {}}, {"   ", {}}, {"/S \"Lab\\core 1\"", {"/S", "Lab\\core 1"}}, {"a\tb  c", {"a", "b", "c"}},
      {"\"\"", {""}}, {"x\"y z\"w", {"xy zw"}}, {"say \\\"hi\\\"", {"say", "\"hi\""}},
      {"$(reboot) ; `id` | &", {"$(reboot)", ";", "`id`", "|", "&"}}, {"\"unterminated quote", {"unterminated quote"}},
      {"trailing\\", {"trailing\\"}},
  };
  for (Case const& c : cases) EXPECT_EQ(ArgumentString::Split(c.text), c.words) << c.text;
}

}  // namespace
