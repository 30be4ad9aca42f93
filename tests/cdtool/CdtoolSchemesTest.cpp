// cdtool schemes against a temporary root: what the host's store holds after each verb.
#include <gtest/gtest.h>

#include <string>

#include "support/CdtoolRunner.h"

namespace {

std::string Repeat(std::string const& text, int count) {
  std::string out;
  while (count-- > 0) out += text;
  return out;
}

using CdtoolSchemesTest = CdtoolTest;

std::string const kBuiltIns =
    "Monochrome\nBlack / Floral White\nYellow / Black\nTraditional\nWindows\nBlack / Cyan\nFloral White / Dark Cyan\n";

TEST_F(CdtoolSchemesTest, AddShowRemoveReachTheProductsStore) {
  EXPECT_EQ(Run("schemes list").out, kBuiltIns);
  ASSERT_EQ(Run("schemes add Mine --fg 112233 --bg aAbBcC").exitCode, 0);
  ASSERT_EQ(Run("schemes rm 'yellow / black'").exitCode, 0);
  EXPECT_EQ(Run("schemes list").out,
            "Monochrome\nBlack / Floral White\nTraditional\nWindows\nBlack / Cyan\nFloral White / Dark Cyan\nMine\n");
  EXPECT_EQ(Run("--product halofyx schemes list").out, kBuiltIns);

  CdtoolResult const shown = Run("schemes show MINE");
  EXPECT_EQ(shown.out.substr(0, shown.out.find("Attributes")),
            "Name: Mine\nAdvanced: no\nOverstrike bold: yes\nShow underline: yes\nEnable blink: yes\n");
  EXPECT_NE(shown.out.find("\nBlink Bold Underline  112233      AABBCC\n"), std::string::npos) << shown.out;

  std::string const schemesKey = "'FILE:" + m_root.File("user/HaloKorvo/config.db") + "\\Color Schemes'";
  CdtoolResult const stored = Run("reg get " + schemesKey + " Mine --json");
  EXPECT_EQ(stored.out, R"({"name":"Mine","type":"REG_BINARY","data":")" + std::string("00010101") +
                            Repeat("11223300", 8) + Repeat("aabbcc00", 8) + "\"}\n");
  EXPECT_EQ(Run("reg get " + schemesKey + " 'Yellow / Black'").exitCode, 1);
}

TEST_F(CdtoolSchemesTest, RefusalsAndUsageErrorsHaveTheirExitCodes) {
  ASSERT_EQ(Run("schemes add Mine --fg 000000 --bg FFFFFF").exitCode, 0);
  ExpectExits({
      {"schemes rm monochrome", 1, "\"Monochrome\" cannot be removed"},
      {"schemes rm Windows", 1, "\"Windows\" cannot be removed"},
      {"schemes rm TRADITIONAL", 1, "\"Traditional\" cannot be removed"},
      {"schemes rm Nope", 1, "no colour scheme named \"Nope\""},
      {"schemes add mine --fg 000000 --bg FFFFFF", 1, "exists already"},
      {"schemes add '' --fg 000000 --bg FFFFFF", 1, "needs a name"},
      {"schemes add X --fg 12345 --bg FFFFFF", 2, "RRGGBB"},
      {"schemes add X --fg 000000", 2, "--bg"},
      {"--product other schemes list", 2, "--product"},
  });
  EXPECT_EQ(Run("schemes list").out, kBuiltIns + "Mine\n");
}

}  // namespace
